#pragma once

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

struct FindOptions {
    bool wholeWord = false;
    bool matchCase = false;
    bool backward = false;
};

// Where `what` next occurs in `text`: forwards from `from`, or backwards
// among the matches that start before `from`. A whole word has no letter or
// digit right before or after it. -1 when there is none.
qsizetype findInText(const QString& text, const QString& what, qsizetype from,
                     const FindOptions& options);

// The modeless Find dialog: each "Find Next" searches the text control it was
// opened on once, from the end of its selection (from its start when going
// up), and selects the match.
class FindDialog final : public QDialog {
    Q_OBJECT
public:
    explicit FindDialog(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(FindDialog)

    void startOn(QWidget* textControl);

signals:
    // A search found nothing; message is the text to show the user.
    void notFound(const QString& message);

public slots:
    // One search; a miss is reported through notFound. True when found.
    bool findNext();

private:
    FindOptions options() const;

    QLineEdit* findWhat;
    QCheckBox* wholeWord;
    QCheckBox* matchCase;
    QRadioButton* directionUp;
    QRadioButton* directionDown;
    QPushButton* findNextButton;
    QPushButton* cancelButton;

    QPointer<QWidget> target;
};
