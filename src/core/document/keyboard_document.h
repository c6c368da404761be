#pragma once
// A new document made of images read from a keyboard: the Import command's
// document, and the backup a download saves before it erases anything.

#include "document/doc.h"

#include <functional>

namespace tarvo::document {

enum class KeyboardImageUse {
    // Each image is loaded as the Import command loads it.
    Import,
    // Each table holds its image exactly as read, so that writing it back
    // restores the slot byte for byte.
    Backup,
};

// Table k is the image of the k-th slot read, in slot order, with the side
// data (Windows language ID, menu and entry names) of the template table of
// its own language; each table records its slot. Fails, making no document,
// when no image is given, an image is not a full one, or the template has no
// table of an image's language.
DocOutcome
documentFromKeyboardImages(DocumentNumberPool& pool,
                           const std::function<templates::TemplateBuildResult(int documentNumber)>& build,
                           const ImportResults& images, KeyboardImageUse use, int currentPort);

} // namespace tarvo::document
