// StringTable.cpp: the English and Chinese sets of the string table.
#include "StringTable.h"

#include <array>

namespace {
struct Entry
{
    int id;
    const char16_t* english;
    const char16_t* chinese;
};

constexpr std::array kEntries{
    Entry{101, u"Color", u"颜色"},
    Entry{102, u"&Ok", u"确定(&O)"},
    Entry{103, u"&Cancel", u"取消(&C)"},
    Entry{105, u"Another new game?", u"要开始新游戏吗？"},
    Entry{106, u"Question", u"询问"},
    Entry{107, u"Well done!", u"干得好！"},
    Entry{108, u"Congratulate", u"祝贺"},
    Entry{109, u"Time End ,Game Over!", u"时间到，游戏结束！"},
    Entry{110, u"prompt", u"提示"},
    Entry{111, u"Preview", u"预览"},
    Entry{113, u"Option", u"选项"},
    Entry{128, u"Open picture", u"打开图片"},
    Entry{132, u"Logic Puzzle", u"智力拼图"},
    Entry{133, u"Jigsaw puzzle", u"拼图游戏"},
    Entry{134, u"Exit", u"退出"},
    Entry{136, u"Restart", u"重新开始"},
    Entry{137, u"Pause", u"暂停"},
    Entry{138, u"Stop", u"停止"},
    Entry{139, u"Preview", u"预览"},
    Entry{143, u"BackColor", u"背景颜色"},
    Entry{144, u"Help", u"帮助"},
    Entry{152, u"Puzzle scoreboard", u"拼图排行榜"},
    Entry{160, u"Gather pieces", u"收拢拼块"},
    Entry{201, u"Settings cannot be saved (%1)", u"设置无法保存（%1）"},
};

const Entry* find(int id)
{
    for (const Entry& e : kEntries)
        if (e.id == id)
            return &e;
    return nullptr;
}
} // namespace

StringTable::StringTable(Language language)
    : m_language(language)
{
}

StringTable::Language StringTable::languageFor(const QLocale& locale)
{
    return locale.language() == QLocale::Chinese ? Language::Chinese : Language::English;
}

QString StringTable::text(int id, Language language)
{
    const Entry* e = find(id);
    if (!e)
        return {};
    return QString::fromUtf16(language == Language::Chinese ? e->chinese : e->english);
}

QString StringTable::text(int id) const { return text(id, m_language); }

bool StringTable::contains(int id) const { return find(id) != nullptr; }
