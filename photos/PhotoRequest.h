#pragma once
#include <QString>

// The request for pictures shown for a species without photographs: who to send
// suitable shots to. Lines are joined by a carriage return and line feed.
QString PhotoRequestMessage();
