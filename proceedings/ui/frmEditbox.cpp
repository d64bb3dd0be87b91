#include "proceedings/ui/frmEditbox.h"

#include "core/FilePrompt.h"
#include "core/Messenger.h"
#include "proceedings/JegyzokonyvFile.h"
#include "proceedings/ui/qrpJegyzokonyv.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "widgets/UiControls.h"
#include "widgets/UiHelp.h"
#include "widgets/UiWheelAsArrowKeys.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

TfrmEditbox::TfrmEditbox(const Services &services, QWidget *parent)
    : QDialog(parent)
    , m_settings(services.settings)
    , m_messenger(services.messenger)
    , m_filePrompt(services.files)
{
    setObjectName(QStringLiteral("frmEditbox"));
    setModal(true);
    resize(820, 640);

    memJegyzokonyv = new QPlainTextEdit(this);
    memJegyzokonyv->setObjectName(QStringLiteral("memJegyzokonyv"));
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPixelSize(13);
    memJegyzokonyv->setFont(fixed);
    memJegyzokonyv->setLineWrapMode(QPlainTextEdit::NoWrap);
    memJegyzokonyv->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memJegyzokonyv->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    btnMegnyit = pushButton(this, QStringLiteral("btnMegnyit"), QStringLiteral("M&egnyit"), false);
    btnMent = pushButton(this, QStringLiteral("btnMent"), QStringLiteral("&Ment"), false);
    btnNyomtat = pushButton(this, QStringLiteral("btnNyomtat"), QStringLiteral("&Nyomtat"), false);
    btnSugo = pushButton(this, QStringLiteral("btnSugo"), QStringLiteral("&Súgó"), false);
    btnKilep = pushButton(this, QStringLiteral("btnKilep"), QStringLiteral("&Bezár"), false);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *each : {btnMegnyit, btnMent, btnNyomtat, btnSugo})
        buttons->addWidget(each);
    buttons->addStretch();
    buttons->addWidget(btnKilep);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(memJegyzokonyv, 1);
    layout->addLayout(buttons);

    connect(btnMegnyit, &QPushButton::clicked, this, &TfrmEditbox::btnMegnyitClick);
    connect(btnMent, &QPushButton::clicked, this, &TfrmEditbox::btnMentClick);
    connect(btnNyomtat, &QPushButton::clicked, this, &TfrmEditbox::btnNyomtatClick);
    connect(btnSugo, &QPushButton::clicked, this, &TfrmEditbox::btnSugoClick);
    connect(btnKilep, &QPushButton::clicked, this, &QDialog::reject);
    connect(memJegyzokonyv, &QPlainTextEdit::textChanged, this, &TfrmEditbox::memJegyzokonyvChange);
    auto *helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    helpKey->setContext(Qt::WindowShortcut);
    connect(helpKey, &QShortcut::activated, this, &TfrmEditbox::btnSugoClick);
    UiWheelAsArrowKeys::install(this);

    FormCreate();
}

QString TfrmEditbox::fileFilter()
{
    return QStringLiteral("szövegfájl|*.txt|Minden fájl|*.*");
}

QString TfrmEditbox::baseCaption()
{
    return QStringLiteral("Szövegszerkesztő");
}

QString TfrmEditbox::unsavedQuestionText()
{
    return QStringLiteral("A szöveg módosításai nincsenek elmentve.\rElmenti bezárás előtt?");
}

QString TfrmEditbox::textFolder() const
{
    const QString folder = QDir(m_settings.programPath()).filePath(QStringLiteral("szovegek"));
    QDir().mkpath(folder);
    return folder;
}

void TfrmEditbox::FormCreate()
{
    setWindowTitle(baseCaption());
    const QString path = m_settings.jegyzPath();
    if (!path.isEmpty() && QFileInfo(path).isFile())
        loadFile(path);
    m_modified = false;
}

bool TfrmEditbox::loadFile(const QString &path)
{
    const JegyzokonyvFile::Loaded loaded = JegyzokonyvFile::load(path);
    if (!loaded.error.isEmpty()) {
        m_messenger.showMessage(QStringLiteral("HIBA!"), Symbol::Error, loaded.error, QStringLiteral("OK"));
        return false;
    }
    {
        const QSignalBlocker quiet(memJegyzokonyv);
        memJegyzokonyv->setPlainText(loaded.text);
    }
    m_openedName = path;
    m_modified = false;
    setWindowTitle(baseCaption() + QStringLiteral(" <") + QFileInfo(path).fileName() + QLatin1Char('>'));
    return true;
}

void TfrmEditbox::memJegyzokonyvChange()
{
    if (m_modified)
        return;
    m_modified = true;
    setWindowTitle(windowTitle() + QStringLiteral(" *"));
}

void TfrmEditbox::btnMegnyitClick()
{
    const QString path = m_filePrompt.openFileName(QStringLiteral("Megnyitás"), textFolder(), fileFilter());
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    loadFile(path);
}

void TfrmEditbox::btnMentClick()
{
    const QString proposed = !m_savedName.isEmpty() ? m_savedName
        : !m_openedName.isEmpty()                   ? m_openedName
                                                    : textFolder();
    const QString chosen
        = m_filePrompt.saveFileName(QStringLiteral("Mentés másként"), proposed, fileFilter(), QStringLiteral("txt"));
    if (!chosen.isEmpty())
        m_savedName = chosen;
    if (m_savedName.isEmpty())
        return;
    const QString error = JegyzokonyvFile::save(m_savedName, memJegyzokonyv->toPlainText());
    if (!error.isEmpty()) {
        m_messenger.showMessage(QStringLiteral("HIBA!"), Symbol::Error, error, QStringLiteral("OK"));
        return;
    }
    if (m_modified) {
        QString caption = windowTitle();
        caption.chop(2);
        setWindowTitle(caption);
    }
    m_modified = false;
}

void TfrmEditbox::reject()
{
    // A record typed but not saved would be lost without a word.
    if (m_modified) {
        const int answer = m_messenger.showMessage(QStringLiteral("Kérdés"), Symbol::Question, unsavedQuestionText(),
            QStringLiteral("Igen"), QStringLiteral("Nem"), QStringLiteral("Mégse"));
        if (answer == MsgResult::Yes) {
            btnMentClick();
            if (m_modified) // no file name given, or the save failed: the text stays on screen
                return;
        } else if (answer != MsgResult::No) {
            return;
        }
    }
    QDialog::reject();
}

void TfrmEditbox::btnNyomtatClick()
{
    TqrpJegyzokonyv printout(m_settings, m_messenger, memJegyzokonyv->toPlainText());
    if (m_previewer)
        printout.setPreviewer(m_previewer);
    printout.preview(this, &m_filePrompt);
}

void TfrmEditbox::btnSugoClick()
{
    showHelp(this, m_settings, m_messenger, QStringLiteral("EditBox.htm"));
}
