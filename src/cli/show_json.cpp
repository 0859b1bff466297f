#include <QJsonObject>

#include "cli/show_output.h"

namespace orbisk::cli {

QJsonObject phoneJson(const PhoneRow& p) {
  return QJsonObject{
      {QStringLiteral("number"), p.number().toString()}, {QStringLiteral("object"), p.object().toString()},
      {QStringLiteral("event"), p.event().toString()},   {QStringLiteral("zone"), p.zone().toString()},
      {QStringLiteral("partition"), p.partition().toString()}, {QStringLiteral("comment"), p.comment().toString()},
  };
}

namespace {

// Writes the text QJsonDocument::toJson(Indented) gives for the same objects (keys in sorted
// order, four blanks a level, its escapes), straight into one buffer: building Qt's JSON values
// for 3,200 telephones cost more than everything else `show` does.
class IndentedJson {
 public:
  explicit IndentedJson(qsizetype expected) { out_.reserve(expected); }
  QByteArray take() { return std::move(out_); }

  void open(const char* key, char bracket) {
    keyed(key);
    out_ += bracket;
    out_ += '\n';
    ++depth_;
    first_ = true;
  }
  void close(char bracket) {
    --depth_;
    if (!first_) out_ += '\n';
    indent();
    out_ += bracket;
    first_ = false;
  }
  void value(const char* key, int v) {
    keyed(key);
    out_ += QByteArray::number(v);
  }
  void value(const char* key, bool v) {
    keyed(key);
    out_ += v ? "true" : "false";
  }
  void value(const char* key, QStringView v) {
    keyed(key);
    out_ += '"';
    escape(v);
    out_ += '"';
  }

 private:
  // A member's start: the comma after its elder sibling, its line, its key when it has one.
  void keyed(const char* key) {
    if (depth_ > 0) {
      if (!first_) out_ += ",\n";
      indent();
    }
    first_ = false;
    if (key) {
      out_ += '"';
      out_ += key;
      out_ += "\": ";
    }
  }
  void indent() { out_.append(4 * depth_, ' '); }
  void hex4(char16_t u) {
    static const char digits[] = "0123456789abcdef";
    out_ += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out_ += digits[(u >> shift) & 0xf];
  }
  void utf8(char32_t u) {
    if (u < 0x800) {
      out_ += static_cast<char>(0xc0 | (u >> 6));
    } else if (u < 0x10000) {
      out_ += static_cast<char>(0xe0 | (u >> 12));
      out_ += static_cast<char>(0x80 | ((u >> 6) & 0x3f));
    } else {
      out_ += static_cast<char>(0xf0 | (u >> 18));
      out_ += static_cast<char>(0x80 | ((u >> 12) & 0x3f));
      out_ += static_cast<char>(0x80 | ((u >> 6) & 0x3f));
    }
    out_ += static_cast<char>(0x80 | (u & 0x3f));
  }
  void escape(QStringView s) {
    const char16_t* c = s.utf16();
    const char16_t* const end = c + s.size();
    for (; c != end; ++c) {
      const char16_t u = *c;
      if (u >= 0x80) {
        if (QChar::isHighSurrogate(u) && c + 1 != end && QChar::isLowSurrogate(c[1])) {
          utf8(QChar::surrogateToUcs4(u, c[1]));
          ++c;
        } else if (QChar::isSurrogate(u)) {
          hex4(u);  // no UTF-8 for half a pair
        } else {
          utf8(u);
        }
        continue;
      }
      switch (u) {
        case u'"': out_ += "\\\""; break;
        case u'\\': out_ += "\\\\"; break;
        case u'\b': out_ += "\\b"; break;
        case u'\f': out_ += "\\f"; break;
        case u'\n': out_ += "\\n"; break;
        case u'\r': out_ += "\\r"; break;
        case u'\t': out_ += "\\t"; break;
        default:
          if (u < 0x20) hex4(u);
          else out_ += static_cast<char>(u);
      }
    }
  }

  QByteArray out_;
  int depth_ = 0;
  bool first_ = true;
};

void phone(IndentedJson& j, const PhoneRow& p) {
  j.open(nullptr, '{');
  j.value("comment", p.comment());
  j.value("event", p.event());
  j.value("number", p.number());
  j.value("object", p.object());
  j.value("partition", p.partition());
  j.value("zone", p.zone());
  j.close('}');
}

}  // namespace

QByteArray showJson(const ConfigView& v) {
  // A telephone takes about 250 bytes with its indentation and keys; one buffer holds them all.
  size_t phones = 0;
  for (const ExpanderView& e : v.expanders) phones += e.phones.size();
  IndentedJson j(static_cast<qsizetype>(1024 + 100 * v.expanders.size() + 260 * phones));
  j.open(nullptr, '{');
  j.value("ack_wait", v.ackWait);
  j.open("expanders", '[');
  for (const ExpanderView& e : v.expanders) {
    j.open(nullptr, '{');
    j.value("sim", e.sim);
    j.value("slot", e.slot);
    j.open("telephones", '[');
    for (const PhoneRow& p : e.phones) phone(j, p);
    j.close(']');
    j.close('}');
  }
  j.close(']');
  j.value("firmware", v.firmware);
  j.value("handshake", v.handshake);
  j.value("model", v.model);
  j.open("options", '{');
  j.value("antispam_data", v.antispamData);
  j.value("antispam_sms", v.antispamSms);
  j.value("backlight_off", v.backlightOff);
  j.value("comments", v.comments);
  j.value("heartbeat", v.heartbeat);
  j.value("russian", v.russian);
  j.value("sms", v.sms);
  j.value("speaker", v.speaker);
  j.close('}');
  j.value("pc_format", v.pcFormat);
  j.value("receiver_number", v.receiverNumber);
  j.value("rings", v.rings);
  j.close('}');
  QByteArray text = j.take();
  text += '\n';
  return text;
}

}  // namespace orbisk::cli
