#include "app/startup/unreadablecircuits.h"

#include "ui/dialogs.h"
#include "ui/textconv.h"

std::string unreadablecircuitsmessage(const std::vector<UnreadableFile>& files) {
    if (files.empty())
        return {};
    std::string text = files.size() == 1
                           ? "This circuit file could not be read and is not listed:"
                           : "These circuit files could not be read and are not listed:";
    for (const UnreadableFile& file : files)
        text += "\n" + file.path + " (" + file.reason + ")";
    return text;
}

void tellunreadablecircuits(QWidget* parent, const std::vector<UnreadableFile>& files) {
    if (const std::string text = unreadablecircuitsmessage(files); !text.empty())
        Dialogs::message(parent, totext(text)); // shown as plain text
}
