#pragma once

#include <QString>

#include <string>

// Files hold bytes. Valid UTF-8 is shown as UTF-8; anything else as Latin-1.
QString totext(const std::string& bytes);

// What the user typed is stored as UTF-8.
std::string tobytes(const QString& text);

// Stores a field's text without disturbing the record: when the field still
// shows exactly what totext(original) gave, the original bytes come back
// unchanged, so an untouched record stays byte-identical.
std::string tobytes(const QString& text, const std::string& original);
