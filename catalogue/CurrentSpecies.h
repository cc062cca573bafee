#pragma once
#include <QString>

// The application-wide current species: the SpID text of the species chosen
// last in the list window, read by the map and comparison windows when they open.
QString CurrentSpID();
void SetCurrentSpID(const QString &spId);
