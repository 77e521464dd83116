#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tables {

// A misuse of a table: reading or writing it while closed, an unknown field name,
// assigning without a pending row.
class ETableError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// How a field's text is held: single bytes (the document's code page), or UTF-8 for
// text the program makes itself in the user's language. The maximum length counts
// characters either way, so a cut never splits a UTF-8 character.
enum class FieldText { SingleByte, Utf8 };

struct FieldDef {
    std::string name;
    std::size_t maxLength = 0;
    FieldText text = FieldText::SingleByte;
};

// An in-memory table of string fields with fixed maximum lengths. Rows are added at
// the end (append, assign, post) and read forwards from the first. In persistent mode,
// the default, closing keeps the rows and reopening shows them again; otherwise closing
// drops them. A field that was never assigned reads as empty.
class MemTable {
public:
    MemTable(std::string name, std::vector<FieldDef> fields, bool persistent = true);

    const std::string& name() const { return name_; }
    const std::vector<FieldDef>& fields() const { return fields_; }
    bool persistent() const { return persistent_; }

    // Opening an open table, or closing a closed one, does nothing. Closing cancels a
    // pending row.
    void open();
    void close();
    bool isOpen() const { return open_; }

    // Cancels a pending row, then removes every row; the table stays open.
    void emptyTable();

    // Starts a new row at the end; a row already pending is posted first.
    void append();
    // Assigns a field of the pending row; a longer value is cut to the field's length in
    // characters.
    void setField(std::string_view field, std::string_view value);
    void post();
    void cancel();
    bool editing() const { return pending_; }

    std::size_t recordCount() const;

    // Forward reading: first() goes to the first row; eof() is true past the last one.
    void first();
    void next();
    bool eof() const;
    const std::string& field(std::string_view field) const;

private:
    std::size_t fieldIndex(std::string_view field) const;
    void requireOpen() const;

    std::string name_;
    std::vector<FieldDef> fields_;
    bool persistent_;
    bool open_ = false;
    std::vector<std::vector<std::string>> rows_;
    std::vector<std::string> pendingRow_;
    bool pending_ = false;
    std::size_t cursor_ = 0;
};

} // namespace tables
