// Sends calls whose arguments are built from arbitrary bytes (numbers, texts, nested arrays,
// object paths, and references naming any bus name and path) to an automation server in this
// process over a bus of the fuzzer's own. What must always hold: the server neither crashes
// nor aborts inside the D-Bus library, and every call is answered, with a value or an
// automation error.
#include "PrivateBus.h"
#include "SampleObject.h"

#include "automation/BusEndpoint.h"
#include "automation/BusNames.h"
#include "automation/WireValues.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QDeadlineTimer>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

using namespace trellis;

const QString kProgId = QStringLiteral("Trellis.Fuzz");

class Bytes {
 public:
  Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Empty() const { return at_ >= size_; }
  uint8_t Next() { return Empty() ? 0 : data_[at_++]; }
  // A text of up to 15 bytes read as Latin-1 or UTF-8, so both odd and non-ASCII names occur.
  QString Text() {
    const int length = Next() % 16;
    QByteArray bytes;
    for (int i = 0; i < length && !Empty(); ++i) bytes += char(Next());
    return (length & 1) ? QString::fromLatin1(bytes) : QString::fromUtf8(bytes);
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

QVariant Value(Bytes& in, int depth) {
  switch (in.Next() % 8) {
    case 0: return int(in.Next()) - 128;
    case 1: return double(in.Next()) / 7.0;
    case 2: return bool(in.Next() & 1);
    case 3: return in.Text();
    case 4: return QVariant::fromValue(RemoteReference{in.Text(), QDBusObjectPath(QStringLiteral("/obj/") + QString::number(in.Next()))});
    case 5: {
      // A path the sender's own library accepts, naming objects that may or may not exist.
      const QString path = in.Next() & 1 ? QStringLiteral("/") : QStringLiteral("/obj/") + QString::number(in.Next());
      return QVariant::fromValue(QDBusObjectPath(path));
    }
    case 6: {
      if (depth >= 4) return QVariant(0);
      QVariantList list;
      for (int n = in.Next() % 5; n > 0 && !in.Empty(); --n) list << QVariant::fromValue(QDBusVariant(Value(in, depth + 1)));
      return list;
    }
    default: return QVariant::fromValue(QDBusVariant(in.Text()));
  }
}

struct Server {
  test::PrivateBus bus;
  QDBusConnection client = bus.Connect(QStringLiteral("client"));
  QDBusConnection serverConnection = bus.Connect(QStringLiteral("server"));
  std::shared_ptr<BusEndpoint> endpoint = [this] {
    RegisterWireTypes();
    auto endpoint = BusEndpoint::Open(serverConnection);
    endpoint->Publish(kProgId, std::make_shared<test::SampleObject>());
    return endpoint;
  }();
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static int argc = 1;
  static char name[] = "trellis_wire_fuzzer";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  static Server server;
  if (!server.client.isConnected()) std::abort();

  Bytes in(data, size);
  QVariantList args;
  for (int n = in.Next() % 4; n > 0 && !in.Empty(); --n) args << QVariant::fromValue(QDBusVariant(Value(in, 0)));
  const QString member = in.Next() & 1 ? QStringLiteral("Echo") : in.Text();
  QDBusMessage call = QDBusMessage::createMethodCall(server.serverConnection.baseService(), RootPathOf(kProgId),
                                                     LateBoundInterface(), QStringLiteral("Invoke"));
  call << member << QVariant(args);
  QDBusPendingCall pending = server.client.asyncCall(call, 5000);
  // The server answers from this very thread: events must keep running while the call waits.
  const QDeadlineTimer deadline(5000);
  while (!pending.isFinished() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  const QDBusMessage answer = pending.reply();
  // An answer of either kind; a missing one means the server stopped answering.
  if (answer.type() != QDBusMessage::ReplyMessage && answer.errorName() != LateBoundErrorName()) std::abort();
  return 0;
}
