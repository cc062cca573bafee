#pragma once
#include <QString>

// Who keeps this catalogue and how to reach them: shown in the photo viewer's
// request for pictures and in the About box. An organisation that publishes its
// own catalogue puts its own address here; the shipped values use the reserved
// example.org domain, so nothing is ever sent to a stranger.
struct ContactDetails {
    QString catalogueName;
    QString programme;
    QString street;
    QString poBoxAndCity;
    QString regionAndCountry;
    QString photoEmail;
    QString suggestionEmail;
    QString team;
    QString members;
};

const ContactDetails &Contact();
