#include "ui/core_message_texts.h"

#include "io/message_pattern.h"
#include "platform/message_text.h"
#include "platform/text.h"

#include <algorithm>
#include <iterator>

namespace tarvo::ui {
namespace {

constexpr const char* kContext = platform::kCoreMessagesContext;

// The core's message patterns as it writes them, in English: the key of each
// translation. A translator keeps every %d, %s and %c in the same order, or
// writes %1, %2 ... for them (the first, the second ...) in any order.
const char* const kPatterns[] = {
    QT_TRANSLATE_NOOP("CoreMessages", "Error: COM %d can not be opened."),
    QT_TRANSLATE_NOOP("CoreMessages", "Dump S Records"),
    QT_TRANSLATE_NOOP("CoreMessages", "Dump Iconic Language S Records"),
    QT_TRANSLATE_NOOP("CoreMessages", "(dump nothing)"),
    // The COM port settings' choices.
    QT_TRANSLATE_NOOP("CoreMessages", "None"),
    QT_TRANSLATE_NOOP("CoreMessages", "Even"),
    QT_TRANSLATE_NOOP("CoreMessages", "Odd"),
    QT_TRANSLATE_NOOP("CoreMessages", "Mark"),
    QT_TRANSLATE_NOOP("CoreMessages", "Space"),
    QT_TRANSLATE_NOOP("CoreMessages", "Binary"),
    QT_TRANSLATE_NOOP("CoreMessages", "Error: The transfer has timed out."),
    QT_TRANSLATE_NOOP("CoreMessages", "An internal error occurred (code: %s)."),
    QT_TRANSLATE_NOOP("CoreMessages", "An internal error occurred (code: %d)."),
    QT_TRANSLATE_NOOP(
        "CoreMessages",
        "Error: Communication could not be established.\n\nPlease make sure that:\n\n1) The correct COM port "
        "has been chosen .\n2) The RS-232 cable is connected to the COM port and the keyboard.\n3) The "
        "keyboard has been placed in \"bootloader\" mode.\n\nRefer to the ReadMe file for more information "
        "on placing the keyboard in \"bootloader\" mode."),
    QT_TRANSLATE_NOOP("CoreMessages", "The serial port was lost (unplugged or closed)"),
    QT_TRANSLATE_NOOP("CoreMessages", "Error: The keyboard failed to return its ID."),
    QT_TRANSLATE_NOOP("CoreMessages", "Error: The COM port is locked."),
    QT_TRANSLATE_NOOP("CoreMessages", "Error: The transfer session could not be initialized."),
    QT_TRANSLATE_NOOP("CoreMessages", "Error: A timer resource could not be allocated."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "The Quill application is only compatible with keyboard model type: KBD-OMNIA"),
    QT_TRANSLATE_NOOP("CoreMessages", "The keyboard's bootloader is version %s: it answers reads only with "
                                      "unchecked text lines, so its language tables cannot be read to import "
                                      "or download them. Query Keyboard still shows what it holds."),
    QT_TRANSLATE_NOOP("CoreMessages", "Establishing Connection"),
    QT_TRANSLATE_NOOP("CoreMessages", "Pinging Keyboard"),
    QT_TRANSLATE_NOOP("CoreMessages", "Pong Received"),
    QT_TRANSLATE_NOOP("CoreMessages", "Flashing Sector"),
    QT_TRANSLATE_NOOP("CoreMessages", "Sector Flashed"),
    QT_TRANSLATE_NOOP("CoreMessages", "Reading Keyboard ID"),
    QT_TRANSLATE_NOOP("CoreMessages", "Keyboard ID Received"),
    QT_TRANSLATE_NOOP("CoreMessages", "Transfer Complete"),
    QT_TRANSLATE_NOOP("CoreMessages", "** Error **"),
    QT_TRANSLATE_NOOP("CoreMessages", "Pinging keyboard at 19200 baud rate.........."),
    QT_TRANSLATE_NOOP("CoreMessages", "Pinging keyboard at 57600 baud rate............"),
    //: "Wend Schema" is the schema this program writes; "Wend" has no translation.
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Error: The document could not be opened because it was created with a newer version "
                      "of this application.\n\nWend Schema: %d\nDoc Schema: %d"),
    QT_TRANSLATE_NOOP("CoreMessages", "Error - This version of Tarvo Script Application supports .tvo file "
                                      "that is created with keyboard firmware 1.40 or above."),
    QT_TRANSLATE_NOOP(
        "CoreMessages",
        "Error: The document could not be created -- no valid language table templates could be found."),
    QT_TRANSLATE_NOOP(
        "CoreMessages",
        "Error: The document could not be created -- the maximum number of documents already exists."),
    QT_TRANSLATE_NOOP("CoreMessages", "Error: <illegal character>: '%c' (%d)"),
    QT_TRANSLATE_NOOP("CoreMessages", "Error: <unexpected End Of Line>"),
    QT_TRANSLATE_NOOP("CoreMessages", "Error: <unexpected token>: %s"),
    QT_TRANSLATE_NOOP(
        "CoreMessages",
        "Error: <invalid schema number>: The template's file-wide schema number is not supported."),
    QT_TRANSLATE_NOOP("CoreMessages", "Error: <unexpected token>: EOLN"),
    QT_TRANSLATE_NOOP("CoreMessages", "A file exception was raised (code == %d)."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Error: <too many lines>: No section keyword was found within %d lines."),
    QT_TRANSLATE_NOOP("CoreMessages", "Error: <too many records>: A section holds more than %d records."),
    QT_TRANSLATE_NOOP("CoreMessages", "Error: <invalid menu number>: %d (menus are numbered %d to %d)"),
    QT_TRANSLATE_NOOP("CoreMessages", "Error: <invalid entry number>: %d (entries are numbered %d to %d)"),
    QT_TRANSLATE_NOOP("CoreMessages", "Error: <invalid font number>: %d (fonts are numbered %d to %d)"),
    QT_TRANSLATE_NOOP("CoreMessages", "It is larger than %d MB, more than any template holds."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Error: <too many tables>: A template holds at most %d language tables."),
    QT_TRANSLATE_NOOP("CoreMessages", "Tx Buffer Below SThreshold"),
    QT_TRANSLATE_NOOP("CoreMessages", "Rx Buffer Met RThreshold"),
    QT_TRANSLATE_NOOP("CoreMessages", "CTS Changed"),
    QT_TRANSLATE_NOOP("CoreMessages", "DSR Transitioned To 0"),
    QT_TRANSLATE_NOOP("CoreMessages", "CD Changed"),
    QT_TRANSLATE_NOOP("CoreMessages", "Ring Detected"),
    QT_TRANSLATE_NOOP("CoreMessages", "EOF Received (ASCII 26)"),
    QT_TRANSLATE_NOOP("CoreMessages", "BREAK Received"),
    QT_TRANSLATE_NOOP("CoreMessages", "CTS Timeout"),
    QT_TRANSLATE_NOOP("CoreMessages", "DSR Timeout"),
    QT_TRANSLATE_NOOP("CoreMessages", "Framing Error"),
    QT_TRANSLATE_NOOP("CoreMessages", "Port Overrun"),
    QT_TRANSLATE_NOOP("CoreMessages", "CD Timeout"),
    QT_TRANSLATE_NOOP("CoreMessages", "Rx Buffer Overflow"),
    QT_TRANSLATE_NOOP("CoreMessages", "Rx Parity Error"),
    QT_TRANSLATE_NOOP("CoreMessages", "Tx Buffer Full"),
    QT_TRANSLATE_NOOP("CoreMessages", "DCB Retrieval Error"),
    QT_TRANSLATE_NOOP("CoreMessages", "No Event"),
    QT_TRANSLATE_NOOP("CoreMessages", "In Buffer Size"),
    QT_TRANSLATE_NOOP("CoreMessages", "Input Len"),
    QT_TRANSLATE_NOOP("CoreMessages", "Out Buffer Size"),
    QT_TRANSLATE_NOOP("CoreMessages", "Parity Replace"),
    QT_TRANSLATE_NOOP("CoreMessages", "** Unknown Event **"),
    // The serial control's own refusals; %s is a property's name (CommPort,
    // InBufferSize ...), which stays as written.
    QT_TRANSLATE_NOOP("CoreMessages", "%s can only be read."),
    QT_TRANSLATE_NOOP("CoreMessages", "%s must be a value between %d and %d."),
    QT_TRANSLATE_NOOP("CoreMessages", "%s can only be changed while the port is closed."),
    //: %s is the settings text as given, such as 19200,N,8,1.
    QT_TRANSLATE_NOOP("CoreMessages", "\"%s\" is not a valid Settings text (for example 19200,N,8,1)."),
    //: %s is the port's device, such as /dev/ttyUSB0.
    QT_TRANSLATE_NOOP("CoreMessages", "The port %s is already open."),
    QT_TRANSLATE_NOOP("CoreMessages", "The port is not open."),
    // Why a name is no network serial address: the first %s is the name as
    // typed, the second what is wrong with it.
    QT_TRANSLATE_NOOP("CoreMessages", "%s is not a network serial address: %s (write rfc2217://HOST:PORT)"),
    QT_TRANSLATE_NOOP("CoreMessages", "it does not start with rfc2217://"),
    QT_TRANSLATE_NOOP("CoreMessages", "the IPv6 address has no closing ]"),
    QT_TRANSLATE_NOOP("CoreMessages", "\"%s\" is not an IPv6 address"),
    QT_TRANSLATE_NOOP("CoreMessages", "no port number follows the host"),
    QT_TRANSLATE_NOOP("CoreMessages", "no host is given"),
    QT_TRANSLATE_NOOP("CoreMessages", "a host name cannot hold '%s'"),
    //: %s is the port as typed; the TCP port of the network serial server.
    QT_TRANSLATE_NOOP("CoreMessages", "the port \"%s\" is not a number"),
    QT_TRANSLATE_NOOP("CoreMessages", "the port %s is not between 1 and 65535"),
    // Why a file could not be read or written; %s is what the system said.
    QT_TRANSLATE_NOOP("CoreMessages", "cannot keep a copy of its old content: %s"),
    QT_TRANSLATE_NOOP("CoreMessages", "cannot be written: %s"),
    //: The first %s says why the file cannot be written, the second names the copy of its old content.
    QT_TRANSLATE_NOOP("CoreMessages", "%s; its old content is kept in %s"),
    QT_TRANSLATE_NOOP("CoreMessages", "cannot be followed to a file: %s"),
    QT_TRANSLATE_NOOP("CoreMessages", "is a directory"),
    QT_TRANSLATE_NOOP("CoreMessages", "is not a regular file"),
    QT_TRANSLATE_NOOP("CoreMessages", "file exists (use --force to replace it)"),
    QT_TRANSLATE_NOOP("CoreMessages", "the file is read-only and was left unchanged"),
    QT_TRANSLATE_NOOP("CoreMessages", "cannot create a temporary file: %s"),
    QT_TRANSLATE_NOOP("CoreMessages", "cannot be opened: %s"),
    QT_TRANSLATE_NOOP("CoreMessages", "is not a regular file (a pipe or a device is not read)"),
    QT_TRANSLATE_NOOP("CoreMessages", "file is too large"),
    QT_TRANSLATE_NOOP("CoreMessages", "cannot be read: %s"),
    // Why a dump was not written; file names are data.
    QT_TRANSLATE_NOOP("CoreMessages", "Error: Output File not specified."),
    //: %d are the output position (0-7), the table asked for and the document's number of tables.
    QT_TRANSLATE_NOOP("CoreMessages", "position %d: the document has no table %d (it has %d)"),
    QT_TRANSLATE_NOOP("CoreMessages", "table %d: its image holds %d bytes, not %d"),
    //: A file and what went wrong with it.
    QT_TRANSLATE_NOOP("CoreMessages", "%s: %s"),
    QT_TRANSLATE_NOOP("CoreMessages", "%s: is not a regular file"),
    QT_TRANSLATE_NOOP("CoreMessages", "%s: is the iconic font file itself"),
    QT_TRANSLATE_NOOP("CoreMessages", "the iconic font preamble goes with S-records only"),
    QT_TRANSLATE_NOOP("CoreMessages", "no language table selected: nothing to dump"),
    //: The font file, the line number and what is wrong in that line.
    QT_TRANSLATE_NOOP("CoreMessages", "%s:%d: %s"),
    //: %s is a character in quotes or a byte such as "byte 0x1F"; %d the column.
    QT_TRANSLATE_NOOP("CoreMessages", "%s at column %d is not a hexadecimal digit"),
    QT_TRANSLATE_NOOP("CoreMessages", "the line holds %d characters, not %d hexadecimal digits"),
    QT_TRANSLATE_NOOP("CoreMessages", "more than %d lines: the font would pass address 0x0FFFFF"),
    QT_TRANSLATE_NOOP("CoreMessages", "%s: the iconic font file holds no lines"),
    //: %s is the font file and why it could not be read.
    QT_TRANSLATE_NOOP("CoreMessages", "iconic font file %s"),
    QT_TRANSLATE_NOOP("CoreMessages", "RTS & Xon/Xoff"),
    QT_TRANSLATE_NOOP("CoreMessages", "In Buffer Size must be a value between %d and %d."),
    QT_TRANSLATE_NOOP("CoreMessages", "RThreshold must be a value between %d and %d."),
    QT_TRANSLATE_NOOP("CoreMessages", "Input Len must be a value between %d and %d."),
    QT_TRANSLATE_NOOP("CoreMessages", "Out Buffer Size must be a value between %d and %d."),
    QT_TRANSLATE_NOOP("CoreMessages", "SThreshold must be a value between %d and %d."),
    QT_TRANSLATE_NOOP("CoreMessages", "Parity Replace must be a value between %d and %d."),
    QT_TRANSLATE_NOOP("CoreMessages", "Keyboard language table #%d is incomplete: a write of it was "
                                      "interrupted, so it cannot be imported. Write it again first."),
    QT_TRANSLATE_NOOP("CoreMessages", "Keyboard language table #%d holds no table to import."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Keyboard language table #%d: the template has no table of language %d."),
    QT_TRANSLATE_NOOP("CoreMessages", "Please select the language to be imported"),
    QT_TRANSLATE_NOOP("CoreMessages", "Error: The keyboard only supports %d language tables.\n\nUploads must "
                                      "be restricted to keyboard language tables 1 - %d."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Keyboard language tables #%d and #%d would both receive the document's table %d. "
                      "Download only one of them, or choose a table \"as stored\" for each."),
    QT_TRANSLATE_NOOP(
        "CoreMessages",
        "Slots %d and %d would both receive document table %d; name the table for each with N=I."),
    QT_TRANSLATE_NOOP("CoreMessages", "Keyboard language table #%d: the document has no table %d."),
    QT_TRANSLATE_NOOP("CoreMessages", "Keyboard language table #%d holds no table to match. Choose one of "
                                      "the document's tables \"as stored\" for it."),
    QT_TRANSLATE_NOOP(
        "CoreMessages",
        "Keyboard language table #%d holds language %d, and the document has no table of that language. "
        "Choose one of the document's tables \"as stored\" for it, or \"(do not download)\"."),
    QT_TRANSLATE_NOOP("CoreMessages", "(do not download)"),
    QT_TRANSLATE_NOOP("CoreMessages", "Flash Memory Is Blank"),
    QT_TRANSLATE_NOOP(
        "CoreMessages",
        "The version of the language tables present in the keyboard must be greater than or equal to 1.94"),
    QT_TRANSLATE_NOOP("CoreMessages", "Cancelling download operation would corrupt  language table in the "
                                      "keyboard \n Press Yes to cancel or No to continue downloading"),
    QT_TRANSLATE_NOOP("CoreMessages", "Transferring Language Table  %s:"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Language table #%d in the keyboard is now incomplete and must be written again."),
    QT_TRANSLATE_NOOP(
        "CoreMessages",
        "Language table #%d cannot be written: its image holds %d bytes instead of %d. Nothing was erased."),
    QT_TRANSLATE_NOOP("CoreMessages", "Language table #%d cannot be written: the record of its write cannot "
                                      "be stored (%s). Nothing was erased."),
    QT_TRANSLATE_NOOP("CoreMessages", "Language table #%d cannot be written: the keyboard has %d language "
                                      "table slots. Nothing was erased."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "The document's tables %d and %d both came from keyboard language table #%d."),
    QT_TRANSLATE_NOOP("CoreMessages", "Document tables %d and %d both record keyboard slot %d."),
    QT_TRANSLATE_NOOP("CoreMessages", "The document's table %d records no keyboard language table it came "
                                      "from, so it cannot be written back as stored."),
    QT_TRANSLATE_NOOP(
        "CoreMessages",
        "No table of the document came from keyboard language table #%d, so nothing can be written back into "
        "it as stored. Choose one of the document's tables \"as stored\" for it."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Keyboard language table #%d was not read completely; nothing was merged."),
    QT_TRANSLATE_NOOP("CoreMessages", "Keyboard language table #%d reads erased in its script menus or its "
                                      "last block, as an interrupted write leaves it; nothing was merged."),
    QT_TRANSLATE_NOOP("CoreMessages", "( empty )"),
    QT_TRANSLATE_NOOP("CoreMessages", "( flashed clear )"),
    QT_TRANSLATE_NOOP("CoreMessages", "Reading Language Table Information"),
    QT_TRANSLATE_NOOP("CoreMessages", "Reading Script Menus:"),
    QT_TRANSLATE_NOOP("CoreMessages", "Script Menu %d to %s"),
    QT_TRANSLATE_NOOP("CoreMessages", "(new language table)"),
    QT_TRANSLATE_NOOP("CoreMessages", "Reading Language Table  %s:"),
    QT_TRANSLATE_NOOP(
        "CoreMessages",
        "Finished reading scripts from keyboard for merging, click Ok to transfer the merged scripts."),
    QT_TRANSLATE_NOOP("CoreMessages", "Error: Bad checksum on incoming packet."),
    QT_TRANSLATE_NOOP("CoreMessages", "A communication error occurred."),
    QT_TRANSLATE_NOOP("CoreMessages", "A command error occurred."),
    //: Follows "Pinging Keyboard" on the progress line; keep the blanks at both ends.
    QT_TRANSLATE_NOOP("CoreMessages", "  at 19200 Baudrate "),
    //: Follows "Pinging Keyboard" on the progress line; keep the blanks at both ends.
    QT_TRANSLATE_NOOP("CoreMessages", "  at  57600 Baudrate "),
    //: Blocks done of blocks in all.
    QT_TRANSLATE_NOOP("CoreMessages", "%d of %d"),
    QT_TRANSLATE_NOOP("CoreMessages", "The keyboard reports no language table slots it supports."),
    QT_TRANSLATE_NOOP("CoreMessages", "The document holds no language table to download."),
    QT_TRANSLATE_NOOP("CoreMessages", " (keyboard language table #%d)"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "The script menus read from the keyboard could not be merged into the document."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "keyboard language table #%d differs at block %d, offset %s: expected %s, read %s"),
    //: What a verify read back where no byte came.
    QT_TRANSLATE_NOOP("CoreMessages", "nothing"),
    QT_TRANSLATE_NOOP("CoreMessages", "cancelled"),
    QT_TRANSLATE_NOOP("CoreMessages", "cancelled: %s"),
    QT_TRANSLATE_NOOP("CoreMessages", "the session failed"),
    //: What the port said about a failure, after it.
    QT_TRANSLATE_NOOP("CoreMessages", "(%s)"),
    QT_TRANSLATE_NOOP("CoreMessages", "not every block of the chosen slots came in"),
    QT_TRANSLATE_NOOP("CoreMessages", "cancelled; nothing was erased"),
    QT_TRANSLATE_NOOP("CoreMessages", "cancelled; the tables were written but not verified"),
    QT_TRANSLATE_NOOP("CoreMessages", "%s; nothing was erased"),
    QT_TRANSLATE_NOOP("CoreMessages", "the keyboard could not be read: %s"),
    QT_TRANSLATE_NOOP("CoreMessages", "the keyboard could not be read, nothing was erased: %s"),
    QT_TRANSLATE_NOOP("CoreMessages", "the written tables could not be read back to verify them: %s"),
    QT_TRANSLATE_NOOP("CoreMessages", "the file is damaged or not a document: %s"),
    QT_TRANSLATE_NOOP("CoreMessages", "the file is empty, not a document"),
    QT_TRANSLATE_NOOP("CoreMessages", "the file is a language table template, not a document"),
    QT_TRANSLATE_NOOP("CoreMessages", "the file is not a document"),
    QT_TRANSLATE_NOOP("CoreMessages", "An image read from the keyboard is not a whole table."),
    QT_TRANSLATE_NOOP("CoreMessages", "No table was read from the keyboard."),
    QT_TRANSLATE_NOOP("CoreMessages", "The tables read from the keyboard could not be made into a document."),
    QT_TRANSLATE_NOOP("CoreMessages", "A language table could not be copied."),
    QT_TRANSLATE_NOOP("CoreMessages", "out of memory"),
    QT_TRANSLATE_NOOP("CoreMessages", "a file of this name exists"),
    //: Follows a template error; keep the line breaks.
    QT_TRANSLATE_NOOP("CoreMessages", "\n\n\nTemplate: %s\n\nLine: %d\n\nColumn: %d"),
    QT_TRANSLATE_NOOP("CoreMessages", "The template has no byte order mark."),
    QT_TRANSLATE_NOOP("CoreMessages", "A new document could not be created."),
    //: The cause follows at once; keep the two blanks at the end where the language puts blanks between
    //: sentences.
    QT_TRANSLATE_NOOP("CoreMessages", "The template \"%s\" could not be opened.  "),
    QT_TRANSLATE_NOOP("CoreMessages", "An unspecified error occured."),
    //: "It" is the template.
    QT_TRANSLATE_NOOP("CoreMessages", "It could not be found."),
    QT_TRANSLATE_NOOP("CoreMessages", "All or part of its pathname is invalid."),
    QT_TRANSLATE_NOOP("CoreMessages", "The permitted number of open files was exceeded."),
    QT_TRANSLATE_NOOP("CoreMessages", "Access to the file was denied."),
    QT_TRANSLATE_NOOP("CoreMessages", "Its file handle is invalid."),
    QT_TRANSLATE_NOOP("CoreMessages", "There was an error trying to set the file pointer."),
    QT_TRANSLATE_NOOP("CoreMessages", "There was a hardware error."),
    QT_TRANSLATE_NOOP("CoreMessages", "There was a sharing violation."),
    QT_TRANSLATE_NOOP("CoreMessages", "There was a lock violation."),
    QT_TRANSLATE_NOOP("CoreMessages", "The EOF was encountered unexpectantly."),
    //: The cause follows at once; keep the two blanks at the end where the language puts blanks between
    //: sentences.
    QT_TRANSLATE_NOOP("CoreMessages", "The template \"%s\" could not be read.  "),
    //: "It" is the template.
    QT_TRANSLATE_NOOP("CoreMessages", "It ends in the middle of a character."),
    //: A handshaking of the serial line: a technical name, kept as it is.
    QT_TRANSLATE_NOOP("CoreMessages", "Xon/Xoff"),
    //: A handshaking of the serial line: a technical name, kept as it is.
    QT_TRANSLATE_NOOP("CoreMessages", "RTS"),
    //: An input mode of the serial line: a technical name, kept as it is.
    QT_TRANSLATE_NOOP("CoreMessages", "ASCII"),
    // What a download would do to a slot, in the list shown before its write.
    //: %s: why the download would stop before erasing this table.
    QT_TRANSLATE_NOOP("CoreMessages", "refused: %s"),
    QT_TRANSLATE_NOOP("CoreMessages", "unchanged: the keyboard already holds it"),
    //: %s: the backup file's path.
    QT_TRANSLATE_NOOP("CoreMessages", "recovered from the backup %s"),
    QT_TRANSLATE_NOOP("CoreMessages", "recovered from the interrupted write's record"),
    QT_TRANSLATE_NOOP("CoreMessages", "written as stored"),
    QT_TRANSLATE_NOOP("CoreMessages", "%d entry changes"),
    QT_TRANSLATE_NOOP("CoreMessages", "%d entries change"),
    //: How a slot is written ("written as stored"), then how many of its entries change; keep the
    //: language's own comma.
    QT_TRANSLATE_NOOP("CoreMessages", "%s, %s"),
    //: %s is one of the COM port's settings, as its own text says it, ending in a full stop.
    QT_TRANSLATE_NOOP("CoreMessages", "An error occurred while attempting to set the COM port's %s"),
    //: %s is one of the COM port's settings, as its own text says it, ending in a full stop.
    QT_TRANSLATE_NOOP("CoreMessages", "An error occurred while attempting to get the COM port's %s"),
    //: A property of the serial control: PortOpen is its name.
    QT_TRANSLATE_NOOP("CoreMessages", "PortOpen value."),
    QT_TRANSLATE_NOOP("CoreMessages", "port number."),
    QT_TRANSLATE_NOOP("CoreMessages", "general settings (Baud, Parity, Data Bits, and Stop Bits)."),
    QT_TRANSLATE_NOOP("CoreMessages", "Handshaking value."),
    QT_TRANSLATE_NOOP("CoreMessages", "In Buffer Size."),
    //: RThreshold is the serial control's own name.
    QT_TRANSLATE_NOOP("CoreMessages", "RThreshold value."),
    QT_TRANSLATE_NOOP("CoreMessages", "Input Len."),
    QT_TRANSLATE_NOOP("CoreMessages", "Out Buffer Size."),
    //: SThreshold is the serial control's own name.
    QT_TRANSLATE_NOOP("CoreMessages", "SThreshold value."),
    //: EOF Enable is the serial control's own name.
    QT_TRANSLATE_NOOP("CoreMessages", "EOF Enable property."),
    //: Null Discard is the serial control's own name.
    QT_TRANSLATE_NOOP("CoreMessages", "Null Discard property."),
    //: RTS Enable is the serial control's own name.
    QT_TRANSLATE_NOOP("CoreMessages", "RTS Enable property."),
    //: DTR Enable is the serial control's own name.
    QT_TRANSLATE_NOOP("CoreMessages", "DTR Enable property."),
    QT_TRANSLATE_NOOP("CoreMessages", "Parity Replace value."),
    QT_TRANSLATE_NOOP("CoreMessages", "Input Mode."),
    //: After a table's name in a slot's list: a write of it was interrupted.
    QT_TRANSLATE_NOOP("CoreMessages", "(incomplete)"),
    //: After "Flash Memory Is Blank" in a slot's list; %s is the language of the table that was being
    //: written.
    QT_TRANSLATE_NOOP("CoreMessages", "(blank: interrupted write of %s)"),
    //: %s is the table's name.
    QT_TRANSLATE_NOOP(
        "CoreMessages",
        "keyboard language table #%d (%s, language %d) skipped: the template has no table of that language"),
    //: %s is the table's name.
    QT_TRANSLATE_NOOP(
        "CoreMessages",
        "keyboard language table #%d (%s) skipped: it is incomplete, a write of it was interrupted"),
    QT_TRANSLATE_NOOP("CoreMessages", "keyboard language table #%d unchanged: it already holds this table"),
    QT_TRANSLATE_NOOP("CoreMessages", "no chosen slot holds a table to back up"),
    //: %s is the backup file's path.
    QT_TRANSLATE_NOOP("CoreMessages", "%s was not written"),
    //: One table; %s is the backup file's path.
    QT_TRANSLATE_NOOP("CoreMessages", "backup of %d table saved to %s"),
    //: Several tables; %s is the backup file's path.
    QT_TRANSLATE_NOOP("CoreMessages", "backup of %d tables saved to %s"),
    QT_TRANSLATE_NOOP("CoreMessages", "no place to save the backup"),
    //: Why the backup document could not be made.
    QT_TRANSLATE_NOOP("CoreMessages", "backup: %s"),
    //: The first %s is the backup file's path, the second why.
    QT_TRANSLATE_NOOP("CoreMessages", "the backup %s cannot be read: %s"),
    //: "it" is the keyboard's slot.
    QT_TRANSLATE_NOOP("CoreMessages", "the backup %s holds a table of another language for it"),
    //: "its" is the keyboard's slot's.
    QT_TRANSLATE_NOOP("CoreMessages", "its table in the backup %s reads erased"),
    //: "it" is the keyboard's slot.
    QT_TRANSLATE_NOOP("CoreMessages", "the backup %s holds no table of it"),
    //: "it" is the interrupted write.
    QT_TRANSLATE_NOOP("CoreMessages", "no backup was saved before it"),
    //: %s says why.
    QT_TRANSLATE_NOOP("CoreMessages", "keyboard language table #%d cannot be recovered: %s"),
    QT_TRANSLATE_NOOP("CoreMessages", "keyboard language table #%d was left blank by an interrupted write on "
                                      "this device (assumed: a blank slot cannot show it)"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "keyboard language table #%d was left incomplete by an interrupted write"),
    //: "its" is the keyboard's slot's.
    QT_TRANSLATE_NOOP("CoreMessages",
                      "the document's edited entries are merged into its table in the backup %s"),
    //: %s says why the backup was not used.
    QT_TRANSLATE_NOOP(
        "CoreMessages",
        "%s, so the document's edited entries are merged into the image that write was writing"),
    QT_TRANSLATE_NOOP("CoreMessages", "keyboard language table #%d was left by an interrupted write: the "
                                      "document's table is written as stored, as asked"),
    QT_TRANSLATE_NOOP("CoreMessages", "keyboard language table #%d is blank and several remembered writes of "
                                      "different tables could have left it so"),
    QT_TRANSLATE_NOOP("CoreMessages", "keyboard language table #%d is incomplete and several remembered "
                                      "writes of different tables could have left it so"),
    QT_TRANSLATE_NOOP(
        "CoreMessages",
        "keyboard language table #%d is blank and no write remembered on this device left it so"),
    QT_TRANSLATE_NOOP(
        "CoreMessages",
        "keyboard language table #%d is incomplete and no remembered write matches what it holds"),
    //: Keep the command-line options --recover-from BACKUP.tvo and --slots %d=I as they are.
    QT_TRANSLATE_NOOP("CoreMessages",
                      "nothing was erased. Merge into a backup's table of the slot with --recover-from "
                      "BACKUP.tvo, or write the document's table as stored with --slots %d=I"),
    //: The paths of the backups follow.
    QT_TRANSLATE_NOOP("CoreMessages", "Backups saved before earlier writes of it:"),
    //: %s names the setting; the first %d is the value the file held, the second the value used.
    QT_TRANSLATE_NOOP("CoreMessages",
                      "The serial settings held %s %d, which is out of range; %d is used instead."),
    QT_TRANSLATE_NOOP("CoreMessages", "port index"),
    QT_TRANSLATE_NOOP("CoreMessages", "baud index"),
    QT_TRANSLATE_NOOP("CoreMessages", "parity index"),
    QT_TRANSLATE_NOOP("CoreMessages", "data-bits index"),
    QT_TRANSLATE_NOOP("CoreMessages", "stop-bits index"),
    QT_TRANSLATE_NOOP("CoreMessages", "handshaking index"),
    QT_TRANSLATE_NOOP("CoreMessages", "input-mode index"),
    //: The serial control's own name.
    QT_TRANSLATE_NOOP("CoreMessages", "RThreshold"),
    //: The serial control's own name.
    QT_TRANSLATE_NOOP("CoreMessages", "SThreshold"),
    //: The keys follow, in hexadecimal.
    QT_TRANSLATE_NOOP("CoreMessages", "language table %d: %d entry records whose keys name no menu entry "
                                      "(menus 0-95, entries 1-14) were dropped, keys"),
    //: %1 is the entry, %2 the menu; write %1 and %2 to put them in another order.
    QT_TRANSLATE_NOOP("CoreMessages", "entry %d of menu %d would not read back as it was written in the "
                                      "table's font, so it was not changed"),
    QT_TRANSLATE_NOOP("CoreMessages", "the language table is read-only"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "the language table's font %d is unknown, so its entries cannot be edited"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "the language table's texts are encoded in font %d (its document record) but the "
                      "keyboard shows them in font %d (image byte 330), so its entries cannot be edited"),
    QT_TRANSLATE_NOOP("CoreMessages", "menu %d is not a script menu (80-95)"),
    QT_TRANSLATE_NOOP("CoreMessages", "entry %d does not exist (1-14)"),
    QT_TRANSLATE_NOOP("CoreMessages", "menu %d has no name, so the editor does not show it"),
    QT_TRANSLATE_NOOP("CoreMessages", "the table's font %d has %d lines per entry"),
    QT_TRANSLATE_NOOP("CoreMessages", "line %d holds at most %d characters"),
    //: %s is the character's code, such as U+00E9.
    QT_TRANSLATE_NOOP("CoreMessages", "line %d holds a character (%s) that font %d cannot show"),
    //: %1 is the entry, %2 the menu; write %1 and %2 to put them in another order.
    QT_TRANSLATE_NOOP("CoreMessages", "entry %d of menu %d has no action controls"),
    //: %1 is the entry, %2 the menu; write %1 and %2 to put them in another order.
    QT_TRANSLATE_NOOP("CoreMessages",
                      "entry %d of menu %d has a fixed action that the editor does not change"),
    //: %1 is the entry, %2 the menu; write %1 and %2 to put them in another order.
    QT_TRANSLATE_NOOP("CoreMessages",
                      "entry %d of menu %d has an action of kind %d that the editor does not change"),
    QT_TRANSLATE_NOOP("CoreMessages", "only entries of menu 80 link to a menu"),
    QT_TRANSLATE_NOOP("CoreMessages", "entry %d of menu 80 links only to menu %d"),
    QT_TRANSLATE_NOOP("CoreMessages", "the macro number must be from 0 to %d"),
    //: %1 is the entry, %2 the menu; write %1 and %2 to put them in another order.
    QT_TRANSLATE_NOOP("CoreMessages", "entry %d of menu %d has no action, so its text cannot be typed"),
    //: %1 is the entry, %2 the menu; write %1 and %2 to put them in another order.
    QT_TRANSLATE_NOOP("CoreMessages",
                      "The macro number of entry %d of menu %d must be a number from 0 to %d."),
    //: A transfer in the history whose end was never recorded.
    QT_TRANSLATE_NOOP("CoreMessages", "unfinished (no end recorded)"),
    //: %s is why: the file and what the system said.
    QT_TRANSLATE_NOOP("CoreMessages", "the transfer history could not be written: %s"),
    //: The first %s is the keyboard's model (KBD-OMNIA), the others version numbers.
    QT_TRANSLATE_NOOP("CoreMessages", "%s generation %d, bootloader %s, firmware %s"),
    //: A slot's number and what happened to it in a transfer ("3 written").
    QT_TRANSLATE_NOOP("CoreMessages", "%d %s"),
    //: A transfer's result in the history.
    QT_TRANSLATE_NOOP("CoreMessages", "complete"),
    //: A transfer's result in the history: the tool's exit status.
    QT_TRANSLATE_NOOP("CoreMessages", "exit %d"),
    //: A transfer's result in the history: the tool's exit status and its message.
    QT_TRANSLATE_NOOP("CoreMessages", "exit %d: %s"),
    //: A slot's outcome in a transfer.
    QT_TRANSLATE_NOOP("CoreMessages", "written"),
    //: A slot's outcome in a transfer.
    QT_TRANSLATE_NOOP("CoreMessages", "unchanged"),
    //: A slot's outcome in a transfer.
    QT_TRANSLATE_NOOP("CoreMessages", "verified"),
    //: A slot's outcome in a transfer.
    QT_TRANSLATE_NOOP("CoreMessages", "incomplete"),
    //: A slot's outcome in a transfer.
    QT_TRANSLATE_NOOP("CoreMessages", "recovered"),
    //: A slot's outcome in a transfer: written as stored in the document.
    QT_TRANSLATE_NOOP("CoreMessages", "as_stored"),
    //: A slot's outcome in a transfer.
    QT_TRANSLATE_NOOP("CoreMessages", "failed"),
    //: A slot's outcome in a transfer: its table was read.
    QT_TRANSLATE_NOOP("CoreMessages", "read"),
    //: A slot's outcome in a transfer: begun, with no end recorded.
    QT_TRANSLATE_NOOP("CoreMessages", "started"),
    //: A script-menu entry's action.
    QT_TRANSLATE_NOOP("CoreMessages", "no action"),
    //: A script-menu entry's action: %d is the menu's number (80-95).
    QT_TRANSLATE_NOOP("CoreMessages", "link to menu %d"),
    //: A script-menu entry's action: CCL is the keyboard's command language; %d the macro's number.
    QT_TRANSLATE_NOOP("CoreMessages", "CCL macro %d"),
    //: A script-menu entry's action: %d is the macro's number.
    QT_TRANSLATE_NOOP("CoreMessages", "off macro %d"),
    //: A script-menu entry's action: %d is the macro's number.
    QT_TRANSLATE_NOOP("CoreMessages", "camera macro %d"),
    //: A script-menu entry's action: %d is the macro's number.
    QT_TRANSLATE_NOOP("CoreMessages", "monitor macro %d"),
    //: A command the template placed in an entry: %d its kind, %s its code in hexadecimal (0x2A).
    QT_TRANSLATE_NOOP("CoreMessages", "command (kind %d, code %s)"),
};

} // namespace

QString translatedCoreMessage(const messages::Message& message)
{
    return platform::translatedMessage(message, kContext);
}

QString translatedCoreText(std::u16string_view text)
{
    return translatedCoreMessage(messages::Message(text));
}

bool isTranslatedCorePattern(std::u16string_view pattern)
{
    const QString wanted = platform::toQString(pattern);
    return std::any_of(std::begin(kPatterns), std::end(kPatterns),
                       [&wanted](const char* known) { return QString::fromUtf8(known) == wanted; });
}

} // namespace tarvo::ui
