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
    Entry{301, u"Some lines of the records file %1 could not be read. They were kept in %2; the other records are safe.", u"成绩记录文件 %1 中有些行无法读取。这些行已保存在 %2 中；其余记录完好。"},
    Entry{302, u"Some lines of the records file %1 could not be read, and the file could not be repaired. It is left as it is; results of this session are not saved.", u"成绩记录文件 %1 中有些行无法读取，且文件无法修复。文件保持原样；本次游戏的成绩不会保存。"},
    Entry{303, u"The records file %1 cannot be read. It is left as it is; results of this session are not saved.", u"无法读取成绩记录文件 %1。文件保持原样；本次游戏的成绩不会保存。"},
    Entry{304, u"The records file %1 cannot be written; this result is not saved.", u"无法写入成绩记录文件 %1；本次成绩未保存。"},
    Entry{305, u"Your best result for this picture and size!", u"这是您在该图片和尺寸上的最好成绩！"},
    Entry{306, u"Best results", u"最好成绩"},
    Entry{307, u"Last 100 games", u"最近 100 局"},
    Entry{308, u"Clear records…", u"清除记录…"},
    Entry{309, u"Clear every record of the %1?", u"要清除%1的所有记录吗？"},
    Entry{310, u"Picture", u"图片"},
    Entry{311, u"Size", u"尺寸"},
    Entry{312, u"Rotation", u"旋转"},
    Entry{313, u"Best score", u"最高分"},
    Entry{314, u"Best time", u"最佳用时"},
    Entry{315, u"Fewest steps", u"最少步数"},
    Entry{316, u"Fewest joins", u"最少拼合"},
    Entry{317, u"Games finished", u"完成局数"},
    Entry{318, u"Date of the best", u"最好成绩日期"},
    Entry{319, u"Date", u"日期"},
    Entry{320, u"Score", u"得分"},
    Entry{321, u"Time", u"用时"},
    Entry{322, u"Steps", u"步数"},
    Entry{323, u"Joins", u"拼合数"},
    Entry{324, u"Result", u"结果"},
    Entry{325, u"Finished", u"已完成"},
    Entry{326, u"Time end", u"超时"},
    Entry{327, u"Picture %1", u"图片 %1"},
    Entry{328, u"%1 pieces, family %2", u"%1 块，形状 %2"},
    Entry{329, u"On", u"开"},
    Entry{330, u"Off", u"关"},
    Entry{331, u"Times of the selected picture and size", u"所选图片和尺寸的用时"},
    Entry{332, u"Game", u"局"},
    Entry{333, u"Seconds", u"秒"},
    Entry{334, u"Swap mode", u"交换模式"},
    Entry{335, u"Hints", u"提示次数"},
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
