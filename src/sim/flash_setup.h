#pragma once
// The flash the simulator starts with: the flash file as it was left, or a
// keyboard as it leaves the factory, or a document's tables.

#include "sim/keyboard_flash.h"
#include "sim/sim_command_line.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tarvo::sim {

using TableImages = std::vector<std::vector<std::uint8_t>>;

// The tables of the program's shipped template, in template order.
bool loadFactoryImages(TableImages& images, std::string& error);
// The tables of a document, in document order.
bool loadDocumentImages(const std::string& path, TableImages& images, std::string& error);

// Puts images into slots 1 and up (complete) and erases the others. Tables
// beyond the keyboard's slots are left out and counted in skipped.
void fillSlots(KeyboardFlash& flash, const TableImages& images, int slotCount, int& skipped);

// Loads or creates the flash as the command line asks; saves it when it
// changed and has a file. Messages for the user in error; warnings in warning.
bool prepareFlash(const SimConfig& config, KeyboardFlash& flash, std::string& error, std::string& warning);

} // namespace tarvo::sim
