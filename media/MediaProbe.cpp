#include "media/MediaProbe.h"

#include <QFile>

extern "C" {
#include <libavformat/avformat.h>
}

std::optional<double> MediaFileDuration(const QString& path) {
    // Remarks on odd but readable files are no concern of whoever asks the length.
    av_log_set_level(AV_LOG_ERROR);
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0); // a local file, nothing it names
    AVFormatContext* context = nullptr;
    const int opened =
        avformat_open_input(&context, QFile::encodeName(path).constData(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0)
        return std::nullopt;
    std::optional<double> seconds;
    if (avformat_find_stream_info(context, nullptr) >= 0 && context->duration != AV_NOPTS_VALUE)
        seconds = static_cast<double>(context->duration) / AV_TIME_BASE;
    avformat_close_input(&context);
    return seconds;
}
