#include "base/ContactDetails.h"

const ContactDetails &Contact()
{
    static const ContactDetails details{
        QStringLiteral("Silvaria Database South-East Asia"),
        QStringLiteral("Silvaria Agroforestry Reference Programme"),
        QStringLiteral("1 Arboretum Road"),
        QStringLiteral("PO Box 100, Example City"),
        QStringLiteral("Example Region, South-East Asia"),
        QStringLiteral("photos@silvaria.example.org"),
        QStringLiteral("suggestions@silvaria.example.org"),
        QStringLiteral("The Silvaria developers"),
        QStringLiteral("Catalogue, maps, plates and program: the Silvaria contributors"),
    };
    return details;
}
