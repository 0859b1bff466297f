# Precompiled headers: Qt's and GoogleTest's headers are most of what every file costs to compile
# (about half of a test file's time), so each target parses them once. ORBISK_PCH=OFF for ccache.
option(ORBISK_PCH "Precompile the Qt, GoogleTest and standard headers of each target" ON)

set(ORBISK_PCH_CORE
  <algorithm> <array> <cstdint> <cstring> <functional> <memory> <optional> <vector>
  <QByteArray> <QDateTime> <QDir> <QFile> <QFileInfo> <QList> <QString> <QStringList>)
set(ORBISK_PCH_WIDGETS ${ORBISK_PCH_CORE}
  <QAction> <QApplication> <QDialog> <QHBoxLayout> <QKeyEvent> <QLabel> <QLineEdit> <QMenu>
  <QMessageBox> <QPushButton> <QTreeWidget> <QVBoxLayout> <QWidget>)
set(ORBISK_PCH_TEST ${ORBISK_PCH_WIDGETS}
  <gtest/gtest.h> <QElapsedTimer> <QProcess> <QRegularExpression> <QTest> <QTimer>)

# orbisk_pch(target CORE|WIDGETS|TEST)
function(orbisk_pch target kind)
  if(ORBISK_PCH)
    target_precompile_headers(${target} PRIVATE ${ORBISK_PCH_${kind}})
  endif()
endfunction()

# orbisk_pch_reuse(target from): target has from's defines and options, so from's compiled
# header serves it too (the test programs share the test support library's).
function(orbisk_pch_reuse target from)
  if(ORBISK_PCH)
    target_precompile_headers(${target} REUSE_FROM ${from})
  endif()
endfunction()
