#pragma once

#include "data/fileimport.h"

#include <QString>

// What an import added and what the user must know besides, in the user's
// language, one line each: the circuits, the exercises, the notes.
QString importreportwords(const std::string& path, const FileImport& result);

// One note about another timer's file.
QString peernotewords(const PeerNote& note);
