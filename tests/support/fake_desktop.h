#pragma once

#include "widgets/desktop.h"

#include <QList>
#include <QStringList>

// Scripted desktop services: answers dialogs from queues and records what
// the program showed, opened, printed and played. Installed for its lifetime.
class FakeDesktop final : public Desktop {
public:
    FakeDesktop();
    ~FakeDesktop() override;
    FakeDesktop(const FakeDesktop&) = delete;
    FakeDesktop& operator=(const FakeDesktop&) = delete;

    struct Notice {
        NoticeKind kind;
        QString text;
    };
    struct FileQuestion {
        FileDialogSpec request;
        QString current;
        bool multiple = false;
    };

    // Answers, used in order. With no answer queued a confirmation is OK,
    // a file dialog is cancelled and a colour dialog is cancelled.
    QList<bool> confirmAnswers;
    QStringList saveAnswers;
    QList<QStringList> openAnswers;
    QList<QColor> colourAnswers; // an invalid QColor means Cancel
    QString printError;
    QList<SaveChoice> saveChoices; // Discard when none is queued
    QList<bool> printAnswers;      // false: Cancel in the print dialog

    // What happened.
    QList<Notice> notices;
    QStringList confirmations;
    QStringList saveQuestions;
    QList<FileQuestion> fileQuestions;
    QList<QColor> colourStarts;
    QList<QUrl> opened;
    QStringList printed;
    QStringList wavesPlayed;
    QStringList midisPlayed;

    QStringList noticeTexts() const;
    QString lastNotice() const;

    void notice(NoticeKind kind, const QString& text) override;
    bool confirm(const QString& text) override;
    SaveChoice askToSave(const QString& text) override;
    QString saveFileName(const FileDialogSpec& request, const QString& current) override;
    QStringList openFileNames(const FileDialogSpec& request, const QString& current,
                              bool multiple) override;
    QColor chooseColor(const QColor& start) override;
    void openUrl(const QUrl& url) override;
    PrintOutcome print(const QString& text) override;
    void playWave(const QString& path) override;
    void playMidi(const QString& path) override;
};
