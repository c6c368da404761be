#pragma once
// What a transfer job needs from outside to make a document: the template's
// tables, and a place to save the document.

#include "document/doc.h"
#include "io/message_pattern.h"
#include "templates/template_catalogue.h"

#include <string>

namespace tarvo::transfer {

class TableSource {
public:
    virtual ~TableSource() = default;
    // False, with the message the user is shown (UTF-8), when no template can be found.
    virtual bool ready(std::string& message) = 0;
    // The template's tables for a new document.
    virtual templates::TemplateBuildResult build(int documentNumber) = 0;
};

class DocumentSaver {
public:
    virtual ~DocumentSaver() = default;
    // What notices name the saved document by (a path, UTF-8).
    virtual std::string name() const = 0;
    // False with a reason that names the target.
    virtual bool save(document::CS1_Doc& doc, messages::Message& reason) = 0;
};

// Saves to a file: written to a temporary file renamed over the target.
class FileDocumentSaver final : public DocumentSaver {
public:
    // takePath: the document takes the path and its title (a new document saved as it).
    FileDocumentSaver(std::string path, bool takePath, io::Overwrite overwrite)
        : m_path(std::move(path)), m_takePath(takePath), m_overwrite(overwrite)
    {
    }
    std::string name() const override { return m_path; }
    bool save(document::CS1_Doc& doc, messages::Message& reason) override;

private:
    std::string m_path;
    bool m_takePath;
    io::Overwrite m_overwrite;
};

} // namespace tarvo::transfer
