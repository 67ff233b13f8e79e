#include "app/file_io.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace lumeno::app {

std::optional<std::string> ReadFileBytes(const QString& path) {
  QFile in(path);
  if (!in.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = in.readAll();
  if (in.error() != QFileDevice::NoError) return std::nullopt;
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

namespace {

QString Reason(const QFile& file, const QString& path) {
  const QString shown = QDir::toNativeSeparators(path);
  QString why;
  switch (file.error()) {
    case QFileDevice::PermissionsError:
      why = u"没有写入权限"_s;
      break;
    case QFileDevice::OpenError: {
      QFileInfo info(path);
      if (info.isDir())
        why = u"同名的文件夹已经存在"_s;
      else if (!info.absoluteDir().exists())
        why = u"所在的文件夹不存在"_s;
      else if (info.exists() && !info.isWritable())
        why = u"文件是只读的"_s;
      else if (!QFileInfo(info.absolutePath()).isWritable())
        why = u"没有在该文件夹中写入的权限"_s;
      else
        why = u"无法创建该文件"_s;
      break;
    }
    case QFileDevice::ResourceError:
      why = u"磁盘空间不足或系统资源不够"_s;
      break;
    default:
      why = u"写入时出错"_s;
      break;
  }
  return u"无法写入文件“%1”：%2。"_s.arg(shown, why);
}

}  // namespace

std::optional<QString> WriteFileBytes(const QString& path, const std::string& bytes) {
  QFile out(path);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return Reason(out, path);
  const qint64 size = static_cast<qint64>(bytes.size());
  if (out.write(bytes.data(), size) != size || !out.flush()) {
    QString why = Reason(out, path);
    out.close();
    return why;
  }
  out.close();
  if (out.error() != QFileDevice::NoError) return Reason(out, path);
  return std::nullopt;
}

}  // namespace lumeno::app
