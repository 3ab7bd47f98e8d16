#include "platform/DefaultPrinter.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

using namespace varnholt;

namespace {

// A print server that takes connections and never answers.
class SilentServer {
public:
    explicit SilentServer(const std::string &path)
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        fd_ = socket(AF_UNIX, SOCK_STREAM, 0);
        listening = fd_ >= 0 && bind(fd_, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
                    listen(fd_, 4) == 0;
    }
    ~SilentServer()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    bool listening = false;

private:
    int fd_ = -1;
};

} // namespace

// Both cases must come back rather than hang: the test's own time limit is the check.
TEST(CupsDefaultPrinter, NoServerOrASilentOneGivesNoPrinter)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string socketPath = (dir.path() + "/cups.sock").toStdString();
    setenv("CUPS_SERVERROOT", dir.path().toLocal8Bit().constData(), 1);
    setenv("CUPS_SERVER", socketPath.c_str(), 1);
    const auto printer = makeCupsDefaultPrinter(std::chrono::milliseconds(200));
    EXPECT_EQ(printer->queue(), std::nullopt);

    const SilentServer silent(socketPath);
    ASSERT_TRUE(silent.listening);
    EXPECT_EQ(printer->queue(), std::nullopt);
}
