# Sourced by scripts/run-vorenta.sh inside its virtual display, with its
# prefix prepared: $repo, $build, $build_root, $wine_run and unix_to_wine
# come from there.

images=$repo/docs/ja/images
# C:\Vorenta: the folder the messages name is one a user could have.
guide_run=$WINEPREFIX/drive_c/Vorenta
demo=$build/tests/e2e/vorenta-demo.exe
sample_mail=$(unix_to_wine "$repo/data/sample-mail.txt")
new_shop_mail=$(unix_to_wine "$repo/data/sample-mail-new-shop.txt")
html_newsletter=$(unix_to_wine "$repo/data/sample-newsletter.html")

# A fresh folder: no keywords or senders from earlier runs in the pictures.
rm -rf "$guide_run"
mkdir -p "$guide_run" "$images"
cp "$build/Vorenta.exe" "$guide_run/Vorenta.exe"
(cd "$guide_run" && "$wine_run" Vorenta.exe) &
program=$!

# step NAME [IMAGE] [ARGS...]: one demo step; with IMAGE, a picture of what it shows.
step() {
  local name=$1 image=$2
  shift 2
  local output
  output=$("$wine_run" "$demo" --step="$name" "$@")
  [ -n "$image" ] || return 0
  read -r _ left top width height <<<"$(grep '^window ' <<<"$output")"
  import -window root -crop "${width}x${height}+${left}+${top}" +repage "$images/$image"
  echo "  $images/$image"
}

echo "==> taking the guide's pictures"
step start 10-first-start.png
step pane-menu 11-pane-menu.png
step close-menu ""
step paste 01-paste.png --mail="$sample_mail"
step copy-address 02-address.png
step panel 03-keywords.png --keyword=セール --keyword=送料無料
step search 04-search.png
# The README shows the same moment.
cp "$images/04-search.png" "$repo/docs/screenshot.png"
step system-menu 05-system-menu.png
step close-menu ""
step paste "" --mail="$new_shop_mail"
step copy-address ""
step register 06-register-sender.png
step press "" --button=はい
step close-message ""
step paste "" --mail="$sample_mail"
step search ""
step scroll-right 07-scrolled.png
step scroll-left ""
step paste-html "" --mail="$html_newsletter"
step copy-address 12-html-links.png

# What the user is told when the folder cannot be written: as root,
# chattr +i makes Wine report access denied there.
chattr +i "$guide_run"
step add-keyword 08-save-failed.png --keyword=新着
step close-message ""
step close-window 09-close-unsaved.png
step press "" --button=保存せずに閉じる
chattr -i "$guide_run"

wait "$program" || true
wineserver -w
