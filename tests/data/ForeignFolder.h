#pragma once

#include <QString>

// Makes path a folder of another user ("nobody") that anyone may write into, as another user
// could plant one where the data is unpacked. False when no folder can be given away: only root
// can do that, and a test that needs one then skips itself.
bool MakeForeignFolder(const QString& path);
