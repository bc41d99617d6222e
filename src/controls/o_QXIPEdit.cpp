#include "controls/o_QXIPEdit.h"

#include <algorithm>

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "app/qxApplication.h"
#include "common/qxError.h"
#include "common/qxText.h"

namespace {

constexpr char kBackspace = 8;
constexpr char kReturn = 13;
// Anything beyond ASCII is no digit and no dot: it is swallowed like a letter.
constexpr char kOtherCharacter = 127;

// The character a key press types, or 0 for keys that type none (arrows,
// Delete, Tab); Escape is left to the window so it still closes a dialog.
char TypedCharacter(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Backspace:
        return kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kReturn;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Escape:
        return 0;
    default:
        break;
    }
    const QString text = event->text();
    if (text.isEmpty())
        return 0;
    const char16_t c = text.at(0).unicode();
    return c < 127 && c != 0 ? static_cast<char>(c) : kOtherCharacter;
}

}  // namespace

TqxIPEdit::TqxIPEdit(QWidget* parent) : QWidget(parent)
{
    resize(219, 21);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);  // the part editors are the tab stops
    if (parent)
        CreateControls();
}

bool TqxIPEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange && parentWidget())
        CreateControls();
    return QWidget::event(event);
}

void TqxIPEdit::CreateControls()
{
    if (FControlsCreated)
        return;
    AddEditor();
    AddDot();
    AddEditor();
    AddDot();
    AddEditor();
    AddDot();
    AddEditor();
    FControlsCreated = true;
    // A label's buddy, or code that focuses the control, lands in the first part.
    setFocusProxy(FEditors.first());
    SetCaption(FCaption);
    // Tall enough for the part editors' frames and text in the current font.
    int height = 21;
    for (QLineEdit* e : FEditors)
        height = std::max(height, e->minimumSizeHint().height());
    for (QLineEdit* e : FEditors)
        e->resize(e->width(), height);
    for (QLabel* d : FDots)
        d->resize(d->width(), height);
    resize(GetControlsWidth(), height);
    updateGeometry();
}

void TqxIPEdit::AddEditor()
{
    auto* editor = new QLineEdit(this);
    editor->setText(QString());
    editor->setAlignment(Qt::AlignCenter);
    editor->setGeometry(FLastLeft, 0, FIPEditorWidth, height());
    editor->installEventFilter(this);
    connect(editor, &QLineEdit::textChanged, this, [this, editor] { EditorChange(editor); });
    FLastLeft += editor->width();
    FEditors.append(editor);
    editor->setProperty("Tag", FEditors.size());
    editor->setObjectName(QStringLiteral("IPPart%1").arg(FEditors.size()));
}

void TqxIPEdit::AddDot()
{
    auto* dot = new QLabel(QStringLiteral("."), this);
    QFont font = dot->font();
    font.setPointSize(16);
    dot->setFont(font);
    dot->setAttribute(Qt::WA_TranslucentBackground);
    dot->setAutoFillBackground(false);
    // The dot sits on the editors' base line rather than floating at mid height.
    dot->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    dot->adjustSize();
    dot->move(FLastLeft, 0);
    FLastLeft += dot->width();
    FDots.append(dot);
}

int TqxIPEdit::GetControlsWidth() const
{
    int width = 0;
    for (const QLineEdit* e : FEditors)
        width += e->width();
    for (const QLabel* d : FDots)
        width += d->width();
    return width;
}

QSize TqxIPEdit::sizeHint() const { return size(); }

void TqxIPEdit::SetCaption(const QString& value)
{
    FCaption = value;
    setAccessibleName(value);
    for (int i = 0; i < FEditors.size(); ++i)
        FEditors[i]->setAccessibleName(QCoreApplication::translate("TqxIPEdit", "%1, part %2 of %3").arg(value).arg(i + 1).arg(FEditors.size()));
}

QLineEdit* TqxIPEdit::Editor(int tag) const
{
    return tag >= 1 && tag <= FEditors.size() ? FEditors.at(tag - 1) : nullptr;
}

bool TqxIPEdit::PartsEmpty() const
{
    for (const QLineEdit* e : FEditors)
        if (!e->text().isEmpty())
            return false;
    return true;
}

void TqxIPEdit::Clear()
{
    FIP.clear();
    FParse = TIPAddressParse{};
    FPendingReport.clear();
    for (QLineEdit* e : FEditors)
        e->clear();
}

void TqxIPEdit::SetIP(const QString& value)
{
    if (value.compare(FIP, Qt::CaseInsensitive) == 0)
        return;
    const std::string text = value.toStdString();
    if (IsBlank(text))
        return;
    FIP = value;
    FParse = ParseIP(text);
    if (FParse.Valid()) {
        UpdateEditors();
        return;
    }
    setFocus(Qt::OtherFocusReason);
    throw EqxError(tr("IP Address %1 is invalid!").arg(QString::fromStdString(std::string(text))).toStdString());
}

void TqxIPEdit::UpdateEditors()
{
    for (int i = 0; i < FEditors.size(); ++i)
        FEditors[i]->setText(QString::number(FParse.Parts[static_cast<std::size_t>(i)]));
    emit OnIPChange(this);
}

void TqxIPEdit::CommitTypedText()
{
    QStringList parts;
    for (const QLineEdit* e : FEditors)
        parts << e->text();
    SetIP(parts.join(QLatin1Char('.')));
}

bool TqxIPEdit::CommitFromTyping()
{
    try {
        CommitTypedText();
        return true;
    } catch (const EqxError& e) {
        // Shown from the event loop, not from inside key or focus handling;
        // a caller that reports the same failure itself drops it first.
        FPendingReport = QString::fromStdString(e.Message());
        QTimer::singleShot(0, this, [this] {
            if (FPendingReport.isEmpty())
                return;
            const QString message = FPendingReport;
            FPendingReport.clear();
            ShowErrorBox(message);
        });
        return false;
    }
}

void TqxIPEdit::EditorChange(QLineEdit* editor)
{
    switch (editor->property("Tag").toInt()) {
    case 1: emit OnIPFirstPartChange(this); break;
    case 2: emit OnIPSecondPartChange(this); break;
    case 3: emit OnIPThirdPartChange(this); break;
    case 4: emit OnIPFourthPartChange(this); break;
    default: break;
    }
}

bool TqxIPEdit::eventFilter(QObject* watched, QEvent* event)
{
    auto* editor = qobject_cast<QLineEdit*>(watched);
    if (!editor || !FEditors.contains(editor))
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        if (const char key = TypedCharacter(static_cast<QKeyEvent*>(event)))
            return EditorKeyPress(editor, key);
    } else if (event->type() == QEvent::FocusOut) {
        // Only a move of the focus inside the window leaves the part: a message
        // box or a menu taking the window's focus for a while does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            EditorExit(editor);
    }
    return QWidget::eventFilter(watched, event);
}

bool TqxIPEdit::EditorKeyPress(QLineEdit* editor, char key)
{
    bool swallow = false;
    if (key == kBackspace) {
        // left alone
    } else if (key == kReturn) {
        // Enter commits the address and goes no further: a dialog's default
        // button does not take it as well.
        CommitFromTyping();
        return true;
    } else if (key == '.') {
        swallow = true;
        FocusNextEditor(editor);
    } else if (key < '0' || key > '9') {
        swallow = true;
    } else if (!editor->hasSelectedText() && editor->text().size() >= 3) {
        swallow = true;
    }
    if (!editor->hasSelectedText() && editor->text().size() == 3)
        FocusNextEditor(editor);
    return swallow;
}

void TqxIPEdit::EditorExit(QLineEdit* editor)
{
    if (editor->property("Tag").toInt() == 4)
        CommitFromTyping();
}

void TqxIPEdit::FocusNextEditor(QLineEdit* editor)
{
    const int index = FEditors.indexOf(editor);
    if (index < 0 || index + 1 >= FEditors.size())
        return;
    QLineEdit* next = FEditors.at(index + 1);
    if (next->focusPolicy() != Qt::NoFocus && next->isVisible() && next->isEnabled())
        next->setFocus(Qt::TabFocusReason);
}
