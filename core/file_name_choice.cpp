#include "core/file_name_choice.h"

#include "res/texts.h"

FileNameChoice ChooseFileName(const AnsiName& full, const std::optional<AnsiName>& shortName) {
    if (full.exact) return {FileNameKind::Exact, full.bytes, full.bytes};
    // A volume without short names gives the long name back, which fails
    // the same way.
    if (shortName && shortName->exact && !shortName->bytes.empty())
        return {FileNameKind::ShortName, shortName->bytes, full.bytes};
    return {FileNameKind::Refused, {}, full.bytes};
}

std::string LeftOutFilesText(const std::vector<std::string>& shownNames) {
    std::string text = TXT_FILES_LEFT_OUT;
    for (size_t i = 0; i < shownNames.size() && i < kListedLeftOutNames; ++i)
        text += "\n" + shownNames[i];
    if (shownNames.size() > kListedLeftOutNames) {
        text += "\n" TXT_FILES_LEFT_OUT_MORE_BEFORE;
        text += std::to_string(shownNames.size() - kListedLeftOutNames);
        text += TXT_FILES_LEFT_OUT_MORE_AFTER;
    }
    return text;
}
