#pragma once

#include "net/transferfailure.h"

#include <string>
#include <string_view>

// What a content server's answer must be before anything is written or
// merged. Each check gives why a reply is refused, or no refusal when the
// reply is fit.
//
// Every reply is text lines: not empty, no NUL byte, and not a web page (a
// captive portal or a proxy answering "200 OK" in place of the file). Other
// odd bytes are left to the readers: a name unfit for a file is passed over,
// a stray Ctrl+Z of an old editor does no harm.

// The exercise list: text lines, three per exercise.
ReplyRefusal checkexerciselist(std::string_view body, std::string_view contentType);
// The circuit list: text lines, one file name each.
ReplyRefusal checkcircuitlist(std::string_view body, std::string_view contentType);
// One circuit file: a name, a type, the two intervals in seconds and at
// least one exercise ("Core\r\nAbdominal\r\n30\r\n10\r\nPlank\r\n"), and
// every key ("20 rounds=8", "Plank\twork=60") one the circuit reader takes.
ReplyRefusal checkcircuit(std::string_view body, std::string_view contentType);

// The refusal as a failure's detail gives it, completing "the server's
// answer ...": "is a web page", "has a bad key on line 6: ...".
std::string refusalreason(const ReplyRefusal& refusal);
