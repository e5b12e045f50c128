#pragma once

#include "data/exercises.h"
#include "data/textreader.h"

// What merging an exercise list into the table came to.
struct ExerciseMerge {
    int added = 0;            // new exercises, now the last records of the table
    bool libraryFull = false; // the table ran out of room before the list's end
};

// Merges an exercise list (groups of three lines: name, type, description)
// into the table. A group is held when a record, or the free slot after the
// last record, matches it in all three texts, so blank groups are never
// added; every other group is added in the order of the list, numbered on
// from the last record with online 1 (addexercisefromupdate), until the table
// is full. A last group cut short reads empty texts.
//
// With {7, "Push Ups", "Upper Body", "Press"} held, the list (its lines
// shown here between bars) "Plank|Abdominal|Hold|Push Ups|Upper Body|Press|
// plank|Abdominal|Hold" adds 8 "Plank" and 9 "plank": added 2.
ExerciseMerge mergeexerciselist(ExerciseTable& table, LineCursor list);
