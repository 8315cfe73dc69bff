#!/usr/bin/env bash
# Fails when a shipped language is not complete: lupdate, run over the
# program's sources into copies of translations/*.ts, must find no text that
# is new (unfinished) or gone (vanished, obsolete). Then fails when widget or
# message code hands the user a literal that does not go through tr().
set -euo pipefail
cd "$(dirname "$0")/.."

folders=(platform media skin catalog catalogwin video volume player shell author)
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=$(command -v lupdate)
work=$(mktemp -d /tmp/qv-translations.XXXXXX)
trap 'rm -rf "$work"' EXIT

status=0
cp translations/quorvix_*.ts "$work/"
translated=$(ls "$work"/quorvix_*.ts | grep -v '_en\.ts$')
# shellcheck disable=SC2086
"$lupdate" -silent -locations none -I . "${folders[@]}" -ts $translated
# English, the texts' own language, gives only the plural forms of counted texts.
"$lupdate" -silent -pluralonly -locations none -I . "${folders[@]}" -ts "$work"/quorvix_en.ts
for ts in "$work"/quorvix_*.ts; do
  name=translations/$(basename "$ts")
  unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
  gone=$(grep -c -E 'type="(vanished|obsolete)"' "$ts" || true)
  if [ "$unfinished" -ne 0 ] || [ "$gone" -ne 0 ]; then
    update="ninja -C build update_translations"
    [ "$name" = translations/quorvix_en.ts ] &&
      update="$lupdate -pluralonly -locations none -I . ${folders[*]} -ts $name"
    echo "$name: $unfinished texts without a translation, $gone translations of texts no longer shown" \
      "($update, then translate)" >&2
    status=1
  fi
done

# Texts set on widgets, shown in message boxes or thrown for the user to read
# must be translatable. The brand and the file system's patterns stay as they are.
shown='(setText|setToolTip|setWindowTitle|setAccessibleName|setAccessibleDescription|setStatusTip|setWhatsThis|setPlaceholderText|setNameFilter|new QLabel|QMessageBox::[a-z]+|throw Exception|Fail)\('
literal='(QStringLiteral\(|QString\(|QString::fromLatin1\(|QLatin1String\()?"[^"]*[A-Za-z]{2}'
if grep -n -E "$shown *$literal" -r --include='*.cpp' "${folders[@]}" |
  grep -v -E '"Quorvix Player"' >"$work/unmarked"; then
  echo "texts shown to the user without tr() (QCoreApplication::translate outside a window class):" >&2
  cat "$work/unmarked" >&2
  status=1
fi
exit $status
