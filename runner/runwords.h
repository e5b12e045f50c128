#pragma once

#include "runner/runtext.h"

#include <QCoreApplication>
#include <QString>

#include <string>

struct RunMoment;

// The runner's texts in the user's language: what the run logic names by id
// (runtext.h) and the few messages around a run, worded with tr() in the
// context "RunWords". Exercise and circuit names are the user's own and go in
// as written. Language-free texts keep the run logic's byte encoding; the
// rest are UTF-8, as the frames' totext() expects.
class RunWords final {
    Q_DECLARE_TR_FUNCTIONS(RunWords)
public:
    static std::string text(const RunText& text);
    // "12:34 left · 3 / 8", with more than one round "12:34 left · 3 / 8 ·
    // round 2 / 3"; empty when the moment has no plan.
    static std::string timeLeftLine(const RunMoment& moment);
    // The message shown when a run could not be written to the training
    // history; reason: the error's text.
    static QString historyNotSaved(const std::string& reason);
    // The espeak-ng voice for the language in use: "en", "de", "pt-br", ...
    static std::string spokenLanguage();
};
