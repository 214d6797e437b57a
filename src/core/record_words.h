#pragma once

#include <QString>

// The words of the stored files, 対局結果.txt and 対局記録.csv, kept apart from the windows'
// words: programs and people read these files back, so translating the windows must never
// change them.
namespace record_words {

inline const QString kSente = QStringLiteral("先手");
inline const QString kGote = QStringLiteral("後手");

// The result sentence: "97手にて先手 NAMEの勝ち(投了)", or a draw.
inline const QString kMovesThrough = QStringLiteral("手にて");
inline const QString kWins = QStringLiteral("の勝ち");
inline const QString kResigned = QStringLiteral("(投了)");
inline const QString kTimedOut = QStringLiteral("(時間切れ)");
inline const QString kDraw = QStringLiteral("引き分け");

// The lines of 対局結果.txt.
inline const QString kDate = QStringLiteral("対局日");
inline const QString kVersus = QStringLiteral("VS");
inline const QString kRemaining = QStringLiteral("残り時間　");
inline const QString kTotal = QStringLiteral("TOTAL時間 ");

// The header and the events of 対局記録.csv.
inline const QString kHeader =
    QStringLiteral("対局開始,手数,手番,対局者,消費時間,持ち時間残り,秒読み,考慮時間残り,記事");
inline const QString kStarted = QStringLiteral("開始");
inline const QString kMoved = QStringLiteral("指し手");
inline const QString kPaused = QStringLiteral("中断");
inline const QString kResumed = QStringLiteral("再開");
inline const QString kTimeOut = QStringLiteral("時間切れ");
inline const QString kResignation = QStringLiteral("投了");
inline const QString kEnded = QStringLiteral("終局：");
inline const QString kRepetitionDraw = QStringLiteral("千日手");
inline const QString kReplay = QStringLiteral("指し直し");
inline const QString kStopped = QStringLiteral("中止");
// A correction: "修正：先手 持ち時間 0:10:00 → 0:12:00、手数 5 → 7".
inline const QString kCorrected = QStringLiteral("修正：");
inline const QString kMainTime = QStringLiteral("持ち時間");
inline const QString kPeriod = QStringLiteral("秒読み");
inline const QString kConsideration = QStringLiteral("考慮時間");
inline const QString kMoveNumber = QStringLiteral("手数");
inline const QString kTurn = QStringLiteral("手番");
inline const QString kArrow = QStringLiteral(" → ");
inline const QString kChangeSeparator = QStringLiteral("、");

inline QString role(bool sente) {
    return sente ? kSente : kGote;
}

} // namespace record_words
