// The telnet side of rfc2217:// ports: data with 0xFF in it, sequences split anywhere,
// negotiation a server may refuse, and answers that must not overrun anything.
#include <gtest/gtest.h>

#include "core/link/telnet_codec.h"

namespace orbisk::telnet {
namespace {

QByteArray bytes(std::initializer_list<int> list) {
  QByteArray b;
  for (int v : list) b.append(static_cast<char>(v));
  return b;
}

struct Fed {
  QByteArray data, reply;
};

Fed feed(Codec& c, const QByteArray& wire, int piece) {
  Fed f;
  for (qsizetype i = 0; i < wire.size(); i += piece)
    c.receive(wire.constData() + i, std::min<qsizetype>(piece, wire.size() - i), f.data, f.reply);
  return f;
}

TEST(TelnetCodec, ByteFfIsDoubledOnTheWayOutAndSingleOnTheWayIn) {
  const uint8_t data[] = {0x01, 0xFF, 0xFF, 0x00, 0x0A};
  EXPECT_EQ(Codec::escape(data, 5), bytes({0x01, 255, 255, 255, 255, 0x00, 0x0A}));
  for (int piece : {1, 2, 100}) {
    Codec c;
    EXPECT_EQ(feed(c, bytes({0x01, 255, 255, 255, 255, 0x00, 0x0A}), piece).data, bytes({0x01, 0xFF, 0xFF, 0x00, 0x0A}))
        << "piece " << piece;
  }
}

TEST(TelnetCodec, SequencesSplitAnywhereDecodeAsWhole) {
  // Negotiation, data, an answer to SET-BAUDRATE with 0xFF escaped in its value, NOP, data.
  const QByteArray wire = bytes({255, 253, 44, 'O', 255, 250, 44, 101, 0, 0, 255, 255, 255, 240, 255, 241, 'K', 13, 10});
  for (int piece = 1; piece <= 4; ++piece) {
    Codec c;
    c.start();
    const Fed f = feed(c, wire, piece);
    EXPECT_EQ(f.data, QByteArray("OK\r\n")) << "piece " << piece;
    QByteArray v;
    ASSERT_TRUE(c.answer(cpo::kSetBaudRate, v));
    EXPECT_EQ(v, bytes({0, 0, 255}));
    EXPECT_EQ(c.comPort(), Agreement::Agreed);
    EXPECT_TRUE(f.reply.isEmpty()) << "an answer to our own offer is not answered again";
  }
}

TEST(TelnetCodec, RefusedAndUnknownOptions) {
  Codec c;
  const QByteArray offer = c.start();
  EXPECT_EQ(offer, bytes({255, 251, 44, 255, 251, 0, 255, 253, 0}));
  // The server will not speak COM-PORT-OPTION, wants terminal type from us and echoes itself.
  Fed f = feed(c, bytes({255, 254, 44, 255, 253, 24, 255, 251, 1, 255, 251, 3}), 100);
  EXPECT_EQ(c.comPort(), Agreement::Refused);
  EXPECT_EQ(f.reply, bytes({255, 252, 24, 255, 254, 1, 255, 253, 3}));
  EXPECT_TRUE(f.data.isEmpty());
  // Said again, the refusals are not answered again: no two ends negotiate for ever.
  f = feed(c, bytes({255, 254, 44, 255, 252, 1, 255, 251, 3}), 1);
  EXPECT_TRUE(f.reply.isEmpty());
}

TEST(TelnetCodec, OverlongOrCutSubnegotiationsAreDroppedWithoutHarm) {
  Codec c;
  QByteArray wire = bytes({255, 250, 44, 101});
  wire.append(QByteArray(5000, '\x07'));
  wire.append(bytes({255, 240, 'A', 255, 250, 44, 102, 8, 255, 253, 0, 'B'}));  // cut short by a DO
  const Fed f = feed(c, wire, 7);
  QByteArray v;
  EXPECT_FALSE(c.answer(cpo::kSetBaudRate, v));
  EXPECT_FALSE(c.answer(cpo::kSetDataSize, v));
  EXPECT_EQ(f.data, QByteArray("AB"));
  EXPECT_EQ(f.reply, bytes({255, 251, 0}));
}

}  // namespace
}  // namespace orbisk::telnet
