// StringTable.h: the user-interface texts keyed by number, in English and Chinese.
#pragma once

#include <QLocale>
#include <QString>

class StringTable
{
public:
    enum class Language { English, Chinese };

    explicit StringTable(Language language = languageFor(QLocale::system()));
    // Chinese when the locale's language is Chinese, English otherwise.
    static Language languageFor(const QLocale& locale);

    Language language() const { return m_language; }
    // The text of id in this table's language; empty for an id the program does not use.
    QString text(int id) const;
    static QString text(int id, Language language);
    bool contains(int id) const;

    // Ids used by the program, by name.
    enum Id {
        Color = 101,
        Ok = 102,
        Cancel = 103,
        AnotherNewGame = 105,
        Question = 106,
        WellDone = 107,
        Congratulate = 108,
        TimeEndGameOver = 109,
        Prompt = 110,
        PreviewCaption = 111,
        Option = 113,
        OpenPicture = 128,
        LogicPuzzle = 132,
        JigsawPuzzle = 133,
        Exit = 134,
        Restart = 136,
        Pause = 137,
        Stop = 138,
        Preview = 139,
        BackColor = 143,
        Help = 144,
        PuzzleScoreboard = 152,
        GatherPieces = 160,
        SettingsNotSaved = 201, // %1: the preferences file
        // The records and the scoreboard.
        RecordsDamaged = 301,     // %1: the records file, %2: where the unread lines went
        RecordsNotRepaired = 302, // %1: the records file
        RecordsNotRead = 303,     // %1: the records file
        RecordsNotWritten = 304,  // %1: the records file
        NewBestResult = 305,
        BestResults = 306,
        LastGames = 307,
        ClearRecords = 308,
        ClearRecordsQuestion = 309, // %1: the game's name
        ColumnPicture = 310,
        ColumnSize = 311,
        ColumnRotation = 312,
        ColumnBestScore = 313,
        ColumnBestTime = 314,
        ColumnFewestSteps = 315,
        ColumnFewestJoins = 316,
        ColumnGamesFinished = 317,
        ColumnBestDate = 318,
        ColumnDate = 319,
        ColumnScore = 320,
        ColumnTime = 321,
        ColumnSteps = 322,
        ColumnJoins = 323,
        ColumnResult = 324,
        ResultFinished = 325,
        ResultTimeEnd = 326,
        BuiltInPictureName = 327, // %1: the picture's number
        JigsawSizeName = 328,     // %1: pieces, %2: shape family
        SwitchOn = 329,
        SwitchOff = 330,
        TimesChartTitle = 331,
        ChartGameAxis = 332,
        ChartSecondsAxis = 333,
        ColumnSwapMode = 334,
        ColumnHints = 335,
    };

private:
    Language m_language;
};
