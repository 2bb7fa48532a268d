#pragma once

// The language file's fixed-size sections, as the file format fixes them:
// each one's header, what each of its lines holds (counted from 1) and how
// many lines it has. Every language file holds them with exactly these
// counts, since the reader does not look for "[end]" among their lines.
namespace sections {

// The two tables, read up to their "[end]": the month names, January first,
// and the weekday names, Sunday first, followed by the layout code
// (formatnames::mondayFirstLayout()).
inline constexpr char kMonthTable[] = "[month]";
inline constexpr char kWeekTable[] = "[nedelya]";

// The notices of entries that fell due while the clock was not running.
namespace overdue {
inline constexpr char kHeader[] = "[funupu]";
enum Line { ReminderHeader = 1, LaunchHeader, DateTimeSeparator, kLineCount = DateTimeSeparator };
}  // namespace overdue

// The language and the skin chooser.
namespace chooser {
inline constexpr char kLanguageHeader[] = "[funlang]";
inline constexpr char kSkinHeader[] = "[funskin]";
enum Line { Caption = 1, CancelButton, kLineCount = CancelButton };
}  // namespace chooser

namespace holidays {
inline constexpr char kHeader[] = "[funholi]";
enum Line {
    Caption = 1,
    MonthLabel,
    SaveButton,
    CancelButton,
    NewDayCaption,
    NewDayPrompt,
    AddDayItem,
    DeleteDayItem,
    kLineCount = DeleteDayItem
};
}  // namespace holidays

namespace reminder {
inline constexpr char kHeader[] = "[funmem]";
enum Line {
    Caption = 1,
    HourLabel,
    MinuteLabel,
    TextLabel,
    CancelButton,
    kLineCount = CancelButton
};
}  // namespace reminder

namespace autostart {
inline constexpr char kHeader[] = "[funaut]";
enum Line {
    Caption = 1,
    QuestionIfSet,
    QuestionIfNotSet,
    YesButton,
    NoButton,
    kLineCount = NoButton
};
}  // namespace autostart

namespace launch {
inline constexpr char kHeader[] = "[funrun]";
enum Line {
    Caption = 1,
    HourLabel,
    MinuteLabel,
    FileLabel,
    BrowseButton,
    CancelButton,
    FileTypes,
    kLineCount = FileTypes
};
}  // namespace launch

namespace other {
inline constexpr char kHeader[] = "[funoth]";
enum Line {
    Caption = 1,
    AutoHideBox,
    NoTabBox,
    HideDelayLabel,
    CancelButton,
    DeleteItem,
    SoundOffBox,
    kLineCount = SoundOffBox
};
}  // namespace other

// What a screen reader says of the things that show it no text: the clock's
// reminders of the day, the pull tab, the calendar's days, the editors' date
// and arrows, the schedule list. The original program knows no such section
// and passes over it, as over any text between sections.
namespace access {
inline constexpr char kHeader[] = "[funacc]";
enum Line {
    RemindersToday = 1,
    HideClock,
    ShowClock,
    Holiday,
    Today,
    DateField,
    UpArrow,
    DownArrow,
    ScheduleList,
    ReminderLine,
    LaunchLine,
    kLineCount = LaunchLine
};
}  // namespace access
// The repeating reminders: the editor's choice, the schedule list's names of
// the rules, the missed count of an overdue notice and the rule file's
// troubles. The original program knows no such section and passes over it,
// as over any text between sections.
namespace repeat {
inline constexpr char kHeader[] = "[funrep]";
enum Line {
    RepeatLabel = 1,
    Never,
    Daily,
    Workdays,
    Weekly,
    Monthly,
    Yearly,
    MissedCount,
    RuleFileDamaged,
    RuleFileGone,
    kLineCount = RuleFileGone
};
}  // namespace repeat

// Putting a reminder off and the desktop's notifications. The original
// program knows no such section and passes over it, as over any text between
// sections.
namespace notices {
inline constexpr char kHeader[] = "[funnot]";
enum Line {
    LaterButton = 1,
    LaterChooser,
    MinuteUnit,
    DesktopBox,
    LaterAction,
    NotificationTitle,
    kLineCount = NotificationTitle
};
}  // namespace notices

}  // namespace sections
