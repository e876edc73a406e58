// CDialog: the base of every dialog, a layer over the main window that dims what lies beneath.
#pragma once

#include <QPointer>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QSize;

class CDialog : public QWidget
{
    Q_OBJECT

public:
    explicit CDialog(QWidget *parent = nullptr);
    ~CDialog() override;

    // The shown dialog that takes input, the last one shown; none when no dialog is open.
    static CDialog *topmostOpen();

signals:
    void accepted();
    void rejected();
    void finished(int result);

public slots:
    void accept();
    void reject();
    void done(int result);

protected:
    // A child widget is not made modal by Qt, so a shown dialog keeps the focus within itself and
    // holds back input meant for the window behind it.
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Centres a CWidget frame titled title on the layer, whose close button rejects, and returns
    // its content: a widget of contentSize below the title bar with a vertical layout and a white
    // ground. Children of the content make up the dialog.
    QWidget *createFramedContent(const QString &title, const QSize &contentSize);
    // A width x 40 push button in the blue style that the notice dialogs share.
    static QPushButton *createCommonButton(const QString &text, int width, QWidget *parent);
    // A word-wrapped rich text label, aligned top left, whose links open outside the client.
    static QLabel *createRichTextLabel(const QString &styleSheet, QWidget *parent);
    // A row indented by 30 pixels on the left and the right, for the content's vertical layout.
    static QHBoxLayout *createIndentedRow();
    // Escape rejects the dialog, as its Cancel or close button would, unless turned off here.
    void setRejectOnEscape(bool rejects);

private:
    void closeAndHide();
    // Stops holding back input and hands the focus back to where it was before the dialog.
    void release();
    // Whether input for `receiver` would reach the window that this dialog lies over.
    bool isBehind(const QObject *receiver) const;
    bool covers(const QWidget *widget) const;
    void focusFirstChild();

    QPointer<QWidget> focusBefore;
    bool rejectOnEscape = true;
};
