#include "photos/PhotoRequest.h"

#include "base/ContactDetails.h"

#include <QStringList>

QString PhotoRequestMessage()
{
    const ContactDetails &c = Contact();
    return QStringList{QStringLiteral("Images still needed for this species"),
                       QStringLiteral("If you have any suitable shots please send to:"),
                       QString(),
                       c.catalogueName,
                       c.programme,
                       c.street,
                       c.poBoxAndCity,
                       c.regionAndCountry,
                       QString(),
                       QStringLiteral("email: ") + c.photoEmail}
        .join(QStringLiteral("\r\n"));
}
