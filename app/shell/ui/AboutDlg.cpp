#include "shell/ui/AboutDlg.h"

#include "imaging/ui/EffectWnd.h"
#include "shell/Version.h"
#include "shell/ui/DialogTranslator.h"
#include "shell/ui/WidgetPlacement.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QVBoxLayout>

namespace mienlore {

namespace {

const QString kHomePage = QString::fromLatin1(kHomePageUrl);

} // namespace

CAboutDlg::CAboutDlg(const CLang& lang, const std::filesystem::path& programFolder, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    SetDialogId(this, kDialogId);
    setWindowTitle(QStringLiteral("About Mienlore"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setHorizontalSpacing(14);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("aboutPicture"));
    picture->setFixedSize(120, 120);
    picture->setFrameShape(QFrame::StyledPanel);
    const QString gif = QString::fromStdString((programFolder / "about.gif").string());
    auto* movie = new QMovie(gif, QByteArray(), this);
    if (movie->isValid()) {
        m_movie = movie;
        picture->setMovie(movie);
    } else {
        delete movie;
    }
    grid->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);

    m_caption = new CEffectWnd(QString::fromLatin1(kProgramName), this);
    m_caption->SetLink(kHomePage);
    m_caption->setToolTip(kHomePage);
    m_caption->setFixedSize(240, 56);
    grid->addWidget(m_caption, 0, 1);

    m_version = new QLabel(QString::fromLatin1(VersionLine()), this);
    m_version->setObjectName(QStringLiteral("versionLine"));
    QFont bold = m_version->font();
    bold.setBold(true);
    m_version->setFont(bold);
    grid->addWidget(m_version, 1, 1);

    auto* contact = new QLabel(this);
    contact->setObjectName(QStringLiteral("contactLines"));
    contact->setTextFormat(Qt::RichText);
    contact->setOpenExternalLinks(true);
    contact->setText(
        QStringLiteral("Face reading for fun and reflection.<br>"
                       "&copy; %2<br>"
                       "<a href=\"%1\">orvanta-lab.example/mienlore</a><br>"
                       "<a href=\"%3\">support@orvanta-lab.example</a>")
            .arg(kHomePage, QString::fromLatin1(kMakerName), QString::fromLatin1(kSupportMailUrl)));
    grid->addWidget(contact, 2, 1, Qt::AlignTop);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    SetControlId(buttons->button(QDialogButtonBox::Ok), 1);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    grid->addWidget(buttons, 3, 0, 1, 2);

    TranslateDialog(lang, this, kDialogId);
    setFixedSize(sizeHint());
}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnOwner(*this);
    if (m_movie)
        m_movie->start();
}

} // namespace mienlore
