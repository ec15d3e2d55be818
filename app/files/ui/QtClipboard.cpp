#include "files/ui/QtClipboard.h"

#include <QGuiApplication>
#include <QMimeData>

namespace mienlore {

const QString& CQtClipboard::MimeType() {
    static const QString type = QStringLiteral("application/x-mienlore-clb");
    return type;
}

CQtClipboard::CQtClipboard(QClipboard::Mode mode) : m_mode(mode) {}

bool CQtClipboard::HasRecord() const {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData(m_mode) : nullptr;
    return data != nullptr && data->hasFormat(MimeType());
}

std::optional<std::string> CQtClipboard::ReadRecord() const {
    if (!HasRecord())
        return std::nullopt;
    const QByteArray bytes = QGuiApplication::clipboard()->mimeData(m_mode)->data(MimeType());
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool CQtClipboard::WriteRecord(std::string_view bytes) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    if ((m_mode == QClipboard::Selection && !clipboard->supportsSelection()) ||
        (m_mode == QClipboard::FindBuffer && !clipboard->supportsFindBuffer()))
        return false;
    const QByteArray record(bytes.data(), static_cast<qsizetype>(bytes.size()));
    auto* data = new QMimeData;
    data->setData(MimeType(), record);
    clipboard->setMimeData(data, m_mode); // the clipboard takes ownership
    // The system may refuse the data without a word: only a record that can
    // be read back counts as written.
    const QMimeData* stored = clipboard->mimeData(m_mode);
    return stored != nullptr && stored->data(MimeType()) == record;
}

void CQtClipboard::RemoveRecord() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* current = clipboard ? clipboard->mimeData(m_mode) : nullptr;
    if (current == nullptr || !current->hasFormat(MimeType()))
        return;
    // Keep everything else the clipboard holds; only the record goes.
    auto* rest = new QMimeData;
    bool keptAny = false;
    for (const QString& format : current->formats()) {
        if (format == MimeType())
            continue;
        rest->setData(format, current->data(format));
        keptAny = true;
    }
    if (keptAny) {
        clipboard->setMimeData(rest, m_mode);
    } else {
        delete rest;
        clipboard->clear(m_mode);
    }
}

} // namespace mienlore
