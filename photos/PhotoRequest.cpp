#include "photos/PhotoRequest.h"

#include "base/ContactDetails.h"

#include <QCoreApplication>
#include <QStringList>

QString PhotoRequestMessage()
{
    const ContactDetails &c = Contact();
    return QStringList{QCoreApplication::translate("PhotoRequest", "Images still needed for this species"),
                       QCoreApplication::translate("PhotoRequest", "If you have any suitable shots please send to:"),
                       QString(),
                       c.catalogueName,
                       c.programme,
                       c.street,
                       c.poBoxAndCity,
                       c.regionAndCountry,
                       QString(),
                       QCoreApplication::translate("PhotoRequest", "email: %1").arg(c.photoEmail)}
        .join(QStringLiteral("\r\n"));
}
