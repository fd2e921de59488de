#!/usr/bin/env bash
# The game installed into a staging folder (DESTDIR) and played from there with the install tree
# read-only and HOME a fresh folder (no XDG variables): the settings go to ~/.config/zaldrun, the
# save, the log and the record to ~/.local/share/zaldrun, nothing into the install tree; the saved
# hero resumes with --load. The installed desktop entry, AppStream data and manual page pass
# Debian's checks (where the tools are present).
source "$(dirname "$0")/lib.sh"

STAGE=$WORK/stage
PLAYER_HOME=$WORK/home
CONFIG=$PLAYER_HOME/.config/zaldrun
DATA=$PLAYER_HOME/.local/share/zaldrun
SHARE=$STAGE/usr/share
mkdir -p "$PLAYER_HOME"
DESTDIR=$STAGE cmake --install "${ZALDRUN_BINARY_DIR:?}" --prefix /usr >/dev/null
for file in bin/zaldrun share/zaldrun/Items.dat share/zaldrun/Monsters.dat \
  share/zaldrun/Affixes.dat share/zaldrun/Places.dat share/applications/zaldrun.desktop \
  share/metainfo/io.github.zaldrun.Zaldrun.metainfo.xml share/man/man6/zaldrun.6.gz \
  share/icons/hicolor/scalable/apps/zaldrun.svg share/icons/hicolor/48x48/apps/zaldrun.png; do
  [ -f "$STAGE/usr/$file" ] || fail "not installed: $file"
done

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$SHARE/applications/zaldrun.desktop" || fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$SHARE/metainfo/io.github.zaldrun.Zaldrun.metainfo.xml" \
    >/dev/null || fail "AppStream data"
fi
if command -v man >/dev/null; then
  manual=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$SHARE/man/man6/zaldrun.6.gz" 2>&1)
  for text in "ИМЯ" "--load ИМЯ" "~/.local/share/zaldrun/" "Играть в терминале (по умолчанию"; do
    grep -qF -- "$text" <<<"$manual" || fail "the manual page lacks: $text"
  done
fi
if command -v groff >/dev/null; then
  warnings=$(zcat "$SHARE/man/man6/zaldrun.6.gz" | LC_ALL=C.UTF-8 groff -k -man -Tutf8 -ww -z 2>&1)
  [ -z "$warnings" ] || fail "groff warns: $warnings"
fi

chmod -R a-w "$STAGE"
trap 'chmod -R u+w "$STAGE"; cleanup' EXIT
tree_before=$(find "$STAGE" -printf '%p %s %T@\n' | sort)
BIN=$STAGE/usr/bin/zaldrun
GAME_ENV="env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME=$PLAYER_HOME"
GAME_FOLDER_ARGS=""

help=$($GAME_ENV ASAN_OPTIONS=detect_leaks=0 "$BIN" --help)
for text in "Папки установленной игры" "$SHARE/zaldrun" "$CONFIG (Zaldrun.ini)" "$DATA (Save/"; do
  grep -qF -- "$text" <<<"$help" || fail "--help does not say: $text"
done

start_game --seed 3
wait_for "Начать Игру"
send F10 Enter
wait_for "Имя: Вася"
send Enter
wait_for "Exp: 0("
before=$(hero_row)
[ -f "$CONFIG/Zaldrun.ini" ] || fail "no settings in $CONFIG"
save_and_quit "$DATA/Save/Вася.sav"

resume_hero Вася "$before"
send Q
wait_for "Действительно выйти?"
send y
wait_for_file "$DATA/Вася.txt"
[ -f "$DATA/Вася.txt" ] || fail "no character record under the home folder"
[ -f "$DATA/Messages.log" ] || fail "no message log under the home folder"

[ "$(find "$STAGE" -printf '%p %s %T@\n' | sort)" = "$tree_before" ] ||
  fail "the program wrote into the install tree"
echo "installed game: ok"
