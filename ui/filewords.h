#pragma once

#include "data/filetext.h"

#include <QString>

// A file error's text in the user's language. Paths and names come as the
// file held them; the English wording is englishtext()'s, word for word.
QString filetextwords(const FileText& text);

// A key text's reason alone: "\"rounds\" must be a number from 1 to 99".
QString keyreasonwords(const FileText& keyText);
