#include "CliOutput.h"

#include "common/Failure.h"
#include "common/TextFile.h"

namespace CliOutput {

void toStream(const QStringList &lines, TextEncoding encoding, std::FILE *out)
{
    const QByteArray bytes = TextFile::encode(lines, encoding);
    if (std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), out) != std::size_t(bytes.size()) ||
        std::fflush(out) != 0)
        throw Failure(QStringLiteral("Cannot write to standard output."));
}

} // namespace CliOutput
