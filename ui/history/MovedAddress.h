#pragma once

#include <QUrl>

// Tells the player that a history's address has moved for good (a 301 or 308
// answer) and asks whether to keep the new one: true to keep `to`.
bool OfferMovedAddress(const QUrl& from, const QUrl& to);
