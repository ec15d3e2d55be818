#include "shell/ui/Help.h"

#include <QDir>
#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>

#include <cstdio>

namespace mienlore {

namespace {

const QString kNamespace = QStringLiteral("org.orvanta.mienlore");

QUrl PageUrl(const QString& page) {
    return QUrl(QStringLiteral("qthelp://%1/doc/%2").arg(kNamespace, page));
}

} // namespace

QString HelpTopicPage(int topic) {
    switch (topic) {
    case help::kOptions:
        return QStringLiteral("options.html");
    case help::kFindFace:
        return QStringLiteral("findface.html");
    case help::kCharacterMap:
        return QStringLiteral("charactermap.html");
    default:
        return QStringLiteral("index.html");
    }
}

CHelpBrowser::CHelpBrowser(QHelpEngine* engine, QWidget* parent)
    : QTextBrowser(parent), m_engine(engine) {
    setObjectName(QStringLiteral("helpBrowser"));
    setOpenExternalLinks(true);
}

QVariant CHelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == QLatin1String("qthelp"))
        return m_engine->fileData(name);
    return QTextBrowser::loadResource(type, name);
}

CHelpWindow::CHelpWindow(QHelpEngine* engine, QWidget* parent)
    : QWidget(parent, Qt::Window), m_engine(engine) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Mienlore Help"));
    auto* splitter = new QSplitter(this);
    m_tabs = new QTabWidget(splitter);
    m_tabs->addTab(engine->contentWidget(), QStringLiteral("Contents"));
    m_tabs->addTab(engine->indexWidget(), QStringLiteral("Index"));
    m_browser = new CHelpBrowser(engine, splitter);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    resize(760, 520);
    splitter->setSizes({240, 520});

    // The guide is short: its whole contents tree is open.
    engine->contentWidget()->expandAll();
    connect(engine->contentModel(), &QHelpContentModel::contentsCreated, this,
            [this] { m_engine->contentWidget()->expandAll(); });
    connect(engine->contentWidget(), &QHelpContentWidget::linkActivated, m_browser,
            [this](const QUrl& url) { m_browser->setSource(url); });
    connect(engine->indexWidget(), &QHelpIndexWidget::documentActivated, m_browser,
            [this](const QHelpLink& link) { m_browser->setSource(link.url); });
    connect(engine->indexWidget(), &QHelpIndexWidget::documentsActivated, m_browser,
            [this](const QList<QHelpLink>& links) {
                if (!links.isEmpty())
                    m_browser->setSource(links.first().url);
            });
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this](const QUrl& url) {
        m_engine->contentWidget()->selectionModel()->clearSelection();
        const QModelIndex index = m_engine->contentWidget()->indexOf(url);
        if (index.isValid())
            m_engine->contentWidget()->setCurrentIndex(index);
    });
}

void CHelpWindow::ShowTopic(int topic) {
    m_browser->setSource(PageUrl(HelpTopicPage(topic)));
}

CMyHelp::CMyHelp(std::filesystem::path programFolder)
    : m_file(std::move(programFolder) / "Mienlore.qch") {}

CMyHelp::~CMyHelp() {
    delete m_window;
}

void CMyHelp::SetFrame(QWidget* frame) {
    m_frame = frame;
    if (m_window && m_window->parentWidget() != frame) {
        const bool shown = m_window->isVisible();
        m_window->setParent(frame, Qt::Window);
        if (shown)
            m_window->show();
    }
}

bool CMyHelp::Open() {
    if (m_engine)
        return true;
    const QString qch = QString::fromStdString(m_file.string());
    if (!QFileInfo(qch).isFile())
        return false;
    // The collection (the engine's register of help files) is per user.
    QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (cache.isEmpty())
        cache = QDir::tempPath();
    QDir().mkpath(cache);
    auto engine = std::make_unique<QHelpEngine>(cache + QStringLiteral("/Mienlore.qhc"));
    engine->setReadOnly(false); // the collection is ours to write
    if (!engine->setupData()) {
        std::fprintf(stderr, "mienlore: cannot open the help: %s\n", qPrintable(engine->error()));
        return false;
    }
    const QString registered = engine->documentationFileName(kNamespace);
    if (registered != QFileInfo(qch).absoluteFilePath()) {
        if (!registered.isEmpty())
            engine->unregisterDocumentation(kNamespace);
        if (!engine->registerDocumentation(qch)) {
            std::fprintf(stderr, "mienlore: cannot open the help: %s\n",
                         qPrintable(engine->error()));
            return false;
        }
    }
    engine->contentModel()->createContents(QString());
    engine->indexModel()->createIndex(QString());
    m_engine = std::move(engine);
    return true;
}

bool CMyHelp::ShowTopic(QWidget* from, int topic) {
    // The contents and index widgets of the engine live in the window; when
    // the window has gone (its frame closed) they went with it, and a new
    // window needs a new engine.
    if (!m_window)
        m_engine.reset();
    if (!Open())
        return false;
    if (!m_window)
        m_window = new CHelpWindow(m_engine.get(), m_frame);
    m_window->ShowTopic(topic);
    m_window->show();
    // A modal dialog blocks every window that is not its own; shown over the
    // asking window, help can be read and used while that dialog is open.
    QWidget* asking = from ? from->window() : nullptr;
    if (asking && asking != m_window && m_window->windowHandle() && asking->windowHandle())
        m_window->windowHandle()->setTransientParent(asking->windowHandle());
    m_window->raise();
    m_window->activateWindow();
    return true;
}

} // namespace mienlore
