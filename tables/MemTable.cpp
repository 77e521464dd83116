#include "tables/MemTable.h"

namespace tables {

namespace {

// The first maxLength characters of UTF-8 text: the cut falls before a lead byte.
std::string_view utf8Prefix(std::string_view text, std::size_t maxLength) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80 && characters++ == maxLength)
            return text.substr(0, i);
    }
    return text;
}

} // namespace

MemTable::MemTable(std::string name, std::vector<FieldDef> fields, bool persistent)
    : name_(std::move(name)), fields_(std::move(fields)), persistent_(persistent) {}

void MemTable::open() {
    if (open_)
        return;
    open_ = true;
    cursor_ = 0;
}

void MemTable::close() {
    if (!open_)
        return;
    cancel();
    open_ = false;
    cursor_ = 0;
    if (!persistent_)
        rows_.clear();
}

void MemTable::emptyTable() {
    requireOpen();
    cancel();
    rows_.clear();
    cursor_ = 0;
}

void MemTable::append() {
    requireOpen();
    if (pending_)
        post();
    pendingRow_.assign(fields_.size(), std::string());
    pending_ = true;
}

void MemTable::setField(std::string_view field, std::string_view value) {
    requireOpen();
    const std::size_t index = fieldIndex(field);
    if (!pending_)
        throw ETableError(name_ + ": not in insert mode");
    const FieldDef& def = fields_[index];
    pendingRow_[index] = std::string(def.text == FieldText::Utf8 ? utf8Prefix(value, def.maxLength)
                                                                 : value.substr(0, def.maxLength));
}

void MemTable::post() {
    requireOpen();
    if (!pending_)
        return;
    rows_.push_back(std::move(pendingRow_));
    pendingRow_.clear();
    pending_ = false;
    cursor_ = rows_.size() - 1;
}

void MemTable::cancel() {
    pendingRow_.clear();
    pending_ = false;
}

std::size_t MemTable::recordCount() const {
    requireOpen();
    return rows_.size();
}

void MemTable::first() {
    requireOpen();
    cursor_ = 0;
}

void MemTable::next() {
    requireOpen();
    if (cursor_ < rows_.size())
        ++cursor_;
}

bool MemTable::eof() const {
    requireOpen();
    return cursor_ >= rows_.size();
}

const std::string& MemTable::field(std::string_view field) const {
    requireOpen();
    const std::size_t index = fieldIndex(field);
    if (cursor_ >= rows_.size())
        throw ETableError(name_ + ": no current row");
    return rows_[cursor_][index];
}

std::size_t MemTable::fieldIndex(std::string_view field) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].name == field)
            return i;
    throw ETableError(name_ + ": field '" + std::string(field) + "' not found");
}

void MemTable::requireOpen() const {
    if (!open_)
        throw ETableError(name_ + ": cannot perform this operation on a closed dataset");
}

} // namespace tables
