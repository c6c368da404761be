#include "sim/flash_setup.h"

#include <filesystem>

namespace tarvo::sim {

void fillSlots(KeyboardFlash& flash, const TableImages& images, int slotCount, int& skipped)
{
    skipped = 0;
    for (int slot = 0; slot < KeyboardFlash::kSlots; ++slot) {
        const auto index = static_cast<std::size_t>(slot);
        if (index < images.size() && slot < slotCount)
            flash.storeSlot(slot, images[index], SlotState::Complete);
        else
            flash.storeSlot(slot, {}, SlotState::Erased);
    }
    if (images.size() > static_cast<std::size_t>(slotCount))
        skipped = static_cast<int>(images.size()) - slotCount;
}

bool prepareFlash(const SimConfig& config, KeyboardFlash& flash, std::string& error, std::string& warning)
{
    bool fresh = config.flashPath.empty();
    if (!fresh) {
        const FlashResult loaded = flash.load(config.flashPath);
        if (!loaded.ok && !loaded.missing) {
            error = loaded.message;
            return false;
        }
        fresh = loaded.missing;
    }
    if (fresh || !config.tablesPath.empty()) {
        TableImages images;
        const bool ok = config.tablesPath.empty() ? loadFactoryImages(images, error)
                                                  : loadDocumentImages(config.tablesPath, images, error);
        if (!ok)
            return false;
        int skipped = 0;
        fillSlots(flash, images, config.keyboard.slotCount(), skipped);
        if (skipped > 0)
            warning = std::to_string(skipped) + " table(s) left out: the keyboard has only " +
                      std::to_string(config.keyboard.slotCount()) + " slots";
    }
    // A flash file that came without its state file gets one at once.
    std::error_code ignored;
    const bool stateMissing =
        !config.flashPath.empty() &&
        !std::filesystem::exists(KeyboardFlash::stateFilePath(config.flashPath), ignored);
    if (!config.flashPath.empty() && (flash.dirty() || stateMissing)) {
        const FlashResult saved = flash.save(config.flashPath);
        if (!saved.ok) {
            error = saved.message;
            return false;
        }
    }
    return true;
}

} // namespace tarvo::sim
