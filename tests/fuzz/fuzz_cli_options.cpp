// libFuzzer target: the command line's option readers on any arguments (the
// input's lines). Each reader returns a value it checked or refuses with a
// usage failure, never anything else.
#include "cli/CliCommand.h"
#include "cli/OptionReaders.h"

#include <QCoreApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_cli_options", *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    const QStringList arguments = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)).split(QLatin1Char('\n'));
    const auto check = [](auto read) {
        try {
            if (!read())
                std::abort();
        } catch (const CliFailure &e) {
            if (e.code != ExitUsage)
                std::abort();
        }
    };
    check([&] {
        const QStringList moved = CommonOptionsAfterCommand(arguments);
        return moved.isEmpty() || moved.size() == arguments.size();
    });
    check([&] {
        const RangeValue r = RangeOption(QStringLiteral("alt"), arguments.front());
        return r.min <= r.max;
    });
    check([&] {
        const Position p = PositionOption(arguments.back());
        return p.lat >= -90 && p.lat <= 90;
    });
    check([&] {
        CommandLine line(QStringLiteral("map"), QString());
        line.addOption({QStringLiteral("size"), QString(), QStringLiteral("WxH")});
        line.addOption({QStringLiteral("extent"), QString(), QStringLiteral("W,S,E,N")});
        if (!line.parse(arguments))
            return true;
        const QSize s = PictureSizeOption(line);
        const auto e = ExtentOption(line);
        return s.width() >= 16 && s.height() <= 10000 && (!e || (e->width() > 0 && e->height() > 0));
    });
    return 0;
}
