#pragma once

#include "editors/circuitinfoview.h"
#include "editors/circuitplanview.h"
#include "editors/editortext.h"

#include <QCoreApplication>
#include <QString>

#include <string>

// The editors' words for what their rules report, in the user's language
// (translation context "EditorWords"). Arguments are bytes and go in as
// written: a circuit called "%1 & <b>" keeps exactly that name.
class EditorWords final {
    Q_DECLARE_TR_FUNCTIONS(EditorWords)
public:
    static QString text(const EditorText& text);
    // The texts one per line.
    static QString message(const EditorMessage& message);
    static QString storedWord(StoredWord word);
    // "Circuit Name: " followed by the value.
    static QString infoCaption(InfoCaption caption, const std::string& value);
    static QString planColumn(PlanColumn column);
    static QString planProblem(const PlanProblem& problem);
};
