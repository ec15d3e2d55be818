#include "files/ui/PeopList.h"

#include "files/LineFile.h"
#include "files/ui/InputNameDlg.h"
#include "model/FaceFrame.h"
#include "resources/LoadString.h"
#include "resources/OwnStringIds.h"
#include "shell/Lang.h"
#include "shell/ui/DialogTranslator.h"
#include "shell/ui/UiStrings.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QToolButton>

namespace mienlore {
namespace {

const QString kFilter = QStringLiteral("Physiognomy files (.phy) (*.phy)");

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

std::filesystem::path ToPath(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

class CallbackHost : public IFaceListHost {
public:
    CallbackHost(std::function<bool()> selected, CFaceFrame& face, std::function<void()> changed)
        : m_selected(std::move(selected)), m_face(face), m_changed(std::move(changed)) {}
    bool IsSlotSelected() const override { return m_selected && m_selected(); }
    CFaceFrame& CurrentFace() override { return m_face; }
    void FaceChanged() override {
        if (m_changed)
            m_changed();
    }

private:
    std::function<bool()> m_selected;
    CFaceFrame& m_face;
    std::function<void()> m_changed;
};

} // namespace

CPeopList::CPeopList(IFaceListHost& host, std::filesystem::path programFolder, const CLang* lang,
                     QWidget* parent)
    : QWidget(parent), m_model(host), m_programFolder(std::move(programFolder)), m_lang(lang) {
    Build();
}

CPeopList::CPeopList(std::function<bool()> isSlotSelected, CFaceFrame& face,
                     std::function<void()> faceChanged, const CLang* lang, QWidget* parent)
    : QWidget(parent), m_ownHost(std::make_unique<CallbackHost>(std::move(isSlotSelected), face,
                                                                std::move(faceChanged))),
      m_model(*m_ownHost), m_programFolder(face.ProgramFolder()), m_lang(lang) {
    Build();
}

void CPeopList::Build() {
    const CLang* lang = m_lang;
    SetDialogId(this, kDialogId);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);

    const struct {
        int id;
        const char* text;
        void (CPeopList::*run)();
    } buttons[] = {
        {kKeysId, "Keys", nullptr},
        {kReadId, "Read", &CPeopList::ReadList},
        {kSaveId, "Save", &CPeopList::SaveListAs},
        {kAddId, "Add", &CPeopList::AddEntry},
        {kDelId, "Del", nullptr},
        {kImgId, "Img", nullptr},
    };
    for (const auto& b : buttons) {
        auto* button = new QToolButton(this);
        button->setText(QString::fromUtf8(b.text));
        SetControlId(button, b.id);
        button->setObjectName(QStringLiteral("ctl%1").arg(b.id));
        const auto id = static_cast<unsigned>(b.id);
        const std::string tip = lang ? lang->LoadString(id) : LoadInterfaceString(id, 256);
        button->setToolTip(QString::fromStdString(tip));
        layout->addWidget(button);
        m_buttons[b.id] = button;
        if (b.run)
            connect(button, &QToolButton::clicked, this, b.run);
    }
    connect(m_buttons[kDelId], &QToolButton::clicked, this, [this] { DeleteEntry(); });
    connect(m_buttons[kKeysId], &QToolButton::clicked, this, &CPeopList::keysRequested);
    connect(m_buttons[kImgId], &QToolButton::clicked, this, &CPeopList::imageRequested);
    SetKeysAvailable(false);
    SetImageAvailable(false);

    m_names = new QComboBox(this);
    SetControlId(m_names, kNameBoxId);
    m_names->setObjectName(QStringLiteral("ctl%1").arg(kNameBoxId));
    m_names->setEditable(true);
    m_names->setInsertPolicy(QComboBox::NoInsert);
    m_names->setMinimumContentsLength(16);
    layout->addWidget(m_names, 1);
    connect(m_names, &QComboBox::activated, this, &CPeopList::OnActivated);

    if (lang)
        TranslateDialog(*lang, this, kDialogId);
}

QToolButton* CPeopList::Button(int id) const {
    auto it = m_buttons.find(id);
    return it == m_buttons.end() ? nullptr : it->second;
}

void CPeopList::SetKeysAvailable(bool available) {
    m_buttons[kKeysId]->setEnabled(available);
}

void CPeopList::SetImageAvailable(bool available) {
    m_buttons[kImgId]->setEnabled(available);
}

void CPeopList::SetErrorReporter(std::function<void(const QString&)> reporter) {
    m_report = std::move(reporter);
}

void CPeopList::SetQuestion(std::function<bool(const QString&)> question) {
    m_ask = std::move(question);
}

bool CPeopList::Ask(const QString& question) {
    if (m_ask)
        return m_ask(question);
    // The question holds a name the user typed: shown as it was typed.
    QMessageBox box(QMessageBox::Question, window()->windowTitle(), question,
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void CPeopList::Report(const QString& message) {
    if (m_report) {
        m_report(message);
        return;
    }
    {
        // The message may hold a name or path the user typed: plain text.
        QMessageBox box(QMessageBox::Warning, window()->windowTitle(), message, QMessageBox::Ok,
                        this);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
}

bool CPeopList::ReportWrite(const WriteResult& result, const std::filesystem::path& path) {
    if (!result.ok) {
        Report(QStringLiteral("The face list %1 could not be saved: %2")
                   .arg(PathText(path), QString::fromStdString(result.error)));
    }
    return result.ok;
}

void CPeopList::ShowModel() {
    const QSignalBlocker block(m_names);
    m_names->clear();
    for (const FaceListItem& item : m_model.Items())
        m_names->addItem(QString::fromStdString(item.name), item.position);
    m_names->setCurrentIndex(m_model.Selection());
    m_names->setEditText(QString::fromStdString(m_model.EditText()));
}

void CPeopList::OnActivated(int index) {
    const bool picked = m_model.SelectItem(index);
    ShowModel();
    if (picked)
        emit facePicked();
}

void CPeopList::ReadList() {
    const QString start = PathText(CPeopListModel::DefaultListPath(m_programFolder));
    const QString path = QFileDialog::getOpenFileName(this, QString(), start, kFilter);
    if (!path.isEmpty())
        LoadList(path);
}

int CPeopList::LoadList(const QString& path) {
    if (path.isEmpty())
        return 0;
    const CPeopListModel::LoadResult result = m_model.LoadList(ToPath(path));
    ShowModel();
    ReportLoad(result, path);
    return result.linesRead;
}

void CPeopList::ReportLoad(const CPeopListModel::LoadResult& result, const QString& path) {
    using Outcome = CPeopListModel::LoadOutcome;
    const QString current =
        m_model.ListPath().empty()
            ? QStringLiteral("The list is unchanged.")
            : QStringLiteral("The list %1 stays open.").arg(PathText(m_model.ListPath()));
    switch (result.outcome) {
    case Outcome::Nothing:
    case Outcome::EmptyFile:
        return;
    case Outcome::Unreadable:
        Report(QStringLiteral("The face list %1 could not be read. %2").arg(path, current));
        return;
    case Outcome::TooLarge:
        Report(QStringLiteral("The file %1 is larger than %2 MB, the largest face list this "
                              "program reads; it was not opened. %3")
                   .arg(path)
                   .arg(kMaxLineFileBytes / (1024 * 1024))
                   .arg(current));
        return;
    case Outcome::NotAList:
        Report(QStringLiteral("The file %1 holds no face line: it is not a face list and was "
                              "not opened. %2")
                   .arg(path, current));
        return;
    case Outcome::Loaded:
        break;
    }
    if (result.keptAside == 0)
        return;
    QString message =
        QStringLiteral("%1 of the face list %2 could not be read as %3; %4 kept unchanged in the "
                       "file and written back as %4 whenever the list is saved.")
            .arg(result.keptAside == 1 ? QStringLiteral("1 line")
                                       : QStringLiteral("%1 lines").arg(result.keptAside))
            .arg(path)
            .arg(result.keptAside == 1 ? QStringLiteral("a face") : QStringLiteral("faces"))
            .arg(result.keptAside == 1 ? QStringLiteral("it is") : QStringLiteral("they are"));
    if (result.tooLong > 0)
        message +=
            QStringLiteral(" %1 longer than %2 bytes, the longest line a face list holds; "
                           "reading went on after %3.")
                .arg(result.tooLong == 1 ? QStringLiteral("One of them is")
                                         : QStringLiteral("%1 of them are").arg(result.tooLong))
                .arg(kMaxLineBytes)
                .arg(result.tooLong == 1 ? QStringLiteral("it") : QStringLiteral("them"));
    Report(message);
}

void CPeopList::LoadDefaultList() {
    const CPeopListModel::LoadResult result = m_model.LoadDefaultList(m_programFolder);
    ShowModel();
    // A missing default list is no fault: the first Add asks where to save.
    if (result.outcome != CPeopListModel::LoadOutcome::Unreadable)
        ReportLoad(result, PathText(CPeopListModel::DefaultListPath(m_programFolder)));
}

void CPeopList::AddEntry() {
    CInputNameDlg dialog(m_lang, this);
    if (dialog.exec() == QDialog::Accepted)
        AddNamed(dialog.Name());
}

bool CPeopList::AddNamed(const QString& name) {
    if (m_model.ListPath().empty()) {
        // No list has been read yet: ask where the entries are to go.
        SaveListAs();
        if (m_model.ListPath().empty())
            return false;
    }
    const WriteResult result = m_model.Add(name.left(CInputNameDlg::kMaxNameChars).toStdString());
    ShowModel();
    return ReportWrite(result, m_model.ListPath());
}

bool CPeopList::DeleteEntry() {
    const int selected = m_model.Selection();
    if (selected < 0 || selected >= static_cast<int>(m_model.Items().size()))
        return false;
    const QString name = QString::fromStdString(m_model.Items()[selected].name);
    if (!Ask(UiString(str::kDeleteFromList) + QStringLiteral("\n\n") + name))
        return false;
    const WriteResult result = m_model.Del();
    ShowModel();
    return ReportWrite(result, m_model.ListPath());
}

void CPeopList::SaveListAs() {
    QString start = PathText(m_model.ListPath());
    if (start.isEmpty())
        start = PathText(CPeopListModel::DefaultListPath(m_programFolder));
    QString path = QFileDialog::getSaveFileName(this, QString(), start, kFilter);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".phy"), Qt::CaseInsensitive))
        path += QStringLiteral(".phy");
    SaveListTo(path);
}

bool CPeopList::SaveListTo(const QString& path) {
    const WriteResult result = m_model.SaveAs(ToPath(path));
    return ReportWrite(result, ToPath(path));
}

} // namespace mienlore
