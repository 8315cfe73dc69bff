// The hidden tools for whoever prepares a disc: segment marks, loading by
// hand and the list of missing audio files.
#include "player/Unit1.h"

#include "catalog/CatalogRecord.h"
#include "catalog/SegmentMarks.h"
#include "media/MediaPlayer_TLB.h"
#include "platform/Exceptions.h"
#include "shell/Pathes.h"
#include "video/VidOutUnit.h"

#include <QDir>
#include <QMessageBox>
#include <QSaveFile>
#include <QToolButton>

#include <cerrno>

QString PlayerErrorFilePath() {
    return QDir::homePath() + QStringLiteral("/Player_Error.txt");
}

namespace {

void SaveLines(const QString& path, const std::vector<std::string>& lines) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw EInOutError(errno ? errno : EACCES);
    for (const std::string& line : lines) {
        file.write(line.data(), static_cast<qint64>(line.size()));
        file.write("\r\n", 2);
    }
    if (!file.commit())
        throw EInOutError(errno ? errno : EIO);
}

QString LinesText(const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines)
        text << AnsiToQString(line);
    return text.join(QLatin1Char('\n'));
}

} // namespace

void TMainForm::SavePosButtonClick() {
    if (!VidOutForm)
        return;
    TSegmentMarkChoice choice;
    choice.Start = StartPosButton->isChecked();
    choice.End = EndPosButton->isChecked();
    choice.EndToStart = EndToStartBtn->isChecked();
    SaveCatalog(choice, VidOutForm->ActiveMovie1->CurrentPosition());
}

void TMainForm::CustLoadBtnClick() {
    LoadDisc();
}

void TMainForm::TestBtnClick() {
    std::vector<std::string> missing;
    auto report = [&missing] {
        if (missing.empty())
            return;
        SaveLines(PlayerErrorFilePath(), missing);
        QMessageBox::information(MainForm, QStringLiteral("Quorvix Player"), LinesText(missing),
                                 QMessageBox::Ok);
    };
    try {
        for (const CatalogRecord& record : Catalog) {
            const std::string name = ShortString(record.MediaName) + ".mp3";
            if (LocateFile(QStringLiteral("mp3\\") + AnsiToQString(name)).isEmpty())
                missing.push_back(name);
        }
    } catch (...) {
        report();
        throw;
    }
    report();
}
