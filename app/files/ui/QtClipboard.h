#pragma once

#include "files/ClipboardRecord.h"

#include <QClipboard>
#include <QString>

namespace mienlore {

// The system clipboard through QClipboard, with the record bytes under the
// program's private MIME type.
class CQtClipboard : public IClipboard {
public:
    static const QString& MimeType();

    explicit CQtClipboard(QClipboard::Mode mode = QClipboard::Clipboard);

    bool HasRecord() const override;
    std::optional<std::string> ReadRecord() const override;
    bool WriteRecord(std::string_view bytes) override;
    void RemoveRecord() override;

private:
    QClipboard::Mode m_mode;
};

} // namespace mienlore
