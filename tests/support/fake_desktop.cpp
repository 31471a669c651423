#include "support/fake_desktop.h"

FakeDesktop::FakeDesktop() {
    installDesktop(this);
}

FakeDesktop::~FakeDesktop() {
    installDesktop(nullptr);
}

QStringList FakeDesktop::noticeTexts() const {
    QStringList texts;
    for (const Notice& n : notices)
        texts << n.text;
    return texts;
}

QString FakeDesktop::lastNotice() const {
    return notices.isEmpty() ? QString() : notices.last().text;
}

void FakeDesktop::notice(NoticeKind kind, const QString& text) {
    notices.append({kind, text});
}

bool FakeDesktop::confirm(const QString& text) {
    confirmations << text;
    return confirmAnswers.isEmpty() ? true : confirmAnswers.takeFirst();
}

SaveChoice FakeDesktop::askToSave(const QString& text) {
    saveQuestions << text;
    return saveChoices.isEmpty() ? SaveChoice::Discard : saveChoices.takeFirst();
}

QString FakeDesktop::saveFileName(const FileDialogSpec& request, const QString& current) {
    fileQuestions.append({request, current, false});
    if (saveAnswers.isEmpty())
        return {};
    QString answer = saveAnswers.takeFirst();
    // As the real dialog does: a name without an extension gets the default one.
    if (!answer.isEmpty() && !request.defaultSuffix.isEmpty() &&
        !answer.section(QLatin1Char('/'), -1).contains(QLatin1Char('.')))
        answer += QLatin1Char('.') + request.defaultSuffix;
    return answer;
}

QStringList FakeDesktop::openFileNames(const FileDialogSpec& request, const QString& current,
                                       bool multiple) {
    fileQuestions.append({request, current, multiple});
    return openAnswers.isEmpty() ? QStringList() : openAnswers.takeFirst();
}

QColor FakeDesktop::chooseColor(const QColor& start) {
    colourStarts << start;
    if (colourAnswers.isEmpty())
        return start;
    const QColor answer = colourAnswers.takeFirst();
    return answer.isValid() ? answer : start;
}

void FakeDesktop::openUrl(const QUrl& url) {
    opened << url;
}

PrintOutcome FakeDesktop::print(const QString& text) {
    if (!printAnswers.isEmpty() && !printAnswers.takeFirst())
        return {};
    if (!printError.isEmpty())
        return {QString(), printError};
    printed << text;
    return {QStringLiteral("Test Printer"), QString()};
}

void FakeDesktop::playWave(const QString& path) {
    wavesPlayed << path;
}

void FakeDesktop::playMidi(const QString& path) {
    midisPlayed << path;
}
