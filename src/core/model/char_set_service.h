#pragma once
// The character-set service of the editors: for a keyboard font (1-7) and the
// digits set of each font, the code of a character, the character of a code
// and the number of codes; and the one rule by which text that a user types,
// pastes, drops or commits through an input method reaches a keyboard-font
// field. Pure functions over the fixed font tables.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvo::model {

// The set number of the digits-only set of a font: 65536 + font - 1.
int digitsSetOf(int font);
// The font a set belongs to (a font number or a digits set), 0 for neither.
int fontOfSet(int set);
bool isKnownSet(int set);

// The keyboard code of ch in set; 0 when the set has no such character.
std::uint32_t codeOf(int set, char16_t ch);
// The Unicode character of code in set: -1 when the code lies outside the
// set (negative or at/after its count); KeyboardFonts::kNoCharacter for a
// code inside the set that has no character.
int characterOf(int set, std::int64_t code);
// True when code lies inside set and has a character (code 0 never has).
bool hasCharacter(int set, std::int64_t code);
// The number of codes of the set (256, or 1137 for font 5), 0 for an unknown set.
std::size_t codeCount(int set);
// The decimal digits needed to write any code of a font: 3, or 4 for font 5.
int codeDigits(int set);

// True when the set has a keyboard code for ch.
bool acceptsCharacter(int set, char16_t ch);
// What text may add to a field of limit characters that holds length
// characters of which selected are selected (and will be replaced); never
// negative.
std::size_t roomInField(std::size_t limit, std::size_t length, std::size_t selected);
// The characters of incoming, up to its first NUL, that set accepts, at most room of them.
std::u16string filterForSet(int set, std::u16string_view incoming, std::size_t room);

// A field's text with its selection, as the edit holds it.
struct FieldState {
    std::u16string text;
    std::size_t selectionStart = 0;
    std::size_t selectionLength = 0;
};

// What arrives in a field: the filtered characters and the field after them.
struct FieldInsert {
    bool changed = false;    // false: nothing was kept, the field is unchanged
    std::u16string inserted; // the characters kept
    std::u16string text;     // the field's text after the insert
    std::size_t caret = 0;   // the caret after the inserted characters
};

// Inserts the accepted characters of incoming in place of the selection (at
// the caret when nothing is selected), cut so that the text stays within
// limit. A selection outside the text is clamped to it.
FieldInsert insertIntoField(int set, const FieldState& field, std::size_t limit,
                            std::u16string_view incoming);

} // namespace tarvo::model
