#!/usr/bin/env bash
# Draws the tutorial picture assets/tutorial.jpg: the uploader's main window, cropped at the
# left, with its file pane (ticked videos, select-all, invert, the green Add button) and its
# task pane (the videos already moved there), plus a red arrow and a red hand-written note
# telling the user to click Add first. A baseline JFIF JPEG of 821 x 606.
# Needs ImageMagick (convert) and fonts-wqy-zenhei.
set -euo pipefail
cd "$(dirname "$0")"

out=${1:-tutorial.jpg}
ui=WenQuanYi-Zen-Hei-Sharp     # bitmap strikes at 12 px: looks like a real screenshot
hand=WenQuanYi-Zen-Hei
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

d=()  # drawing operations of the window, in order

box() {  # x0 y0 x1 y1 fill [stroke]
  d+=(-fill "$5" -stroke "${6:-none}" -strokewidth 1 -draw "rectangle $1,$2 $3,$4")
}
label() {  # x baseline text [colour] [size] [font]
  d+=(-stroke none -fill "${4:-#1a1a1a}" -font "${6:-$ui}" -pointsize "${5:-12}"
      -draw "text $1,$2 '$3'")
}
button() {  # x0 y0 x1 y1 caption: a classic raised push button
  box "$1" "$2" "$3" "$4" '#f4f4f4' '#8a9bb2'
  d+=(-stroke '#ffffff' -draw "line $(($1 + 1)),$(($2 + 1)) $(($3 - 1)),$(($2 + 1))")
  d+=(-stroke '#d5d9df' -draw "line $(($1 + 1)),$(($4 - 1)) $(($3 - 1)),$(($4 - 1))")
}
checkbox() {  # x y: a ticked check box of 13 x 13
  box "$1" "$2" $(($1 + 12)) $(($2 + 12)) '#ffffff' '#5b7596'
  d+=(-stroke '#1f7a1f' -strokewidth 2 -fill none
      -draw "polyline $(($1 + 3)),$(($2 + 6)) $(($1 + 5)),$(($2 + 9)) $(($1 + 10)),$(($2 + 3))"
      -strokewidth 1)
}
edit_icon() {  # x y: a sheet of paper with a pencil, 16 x 16
  local x=$1 y=$2
  box "$x" $((y + 1)) $((x + 10)) $((y + 14)) '#ffffff' '#6d7f99'
  d+=(-stroke '#9fb0c8' -draw "line $((x + 2)),$((y + 5)) $((x + 7)),$((y + 5))"
      -draw "line $((x + 2)),$((y + 8)) $((x + 7)),$((y + 8))"
      -draw "line $((x + 2)),$((y + 11)) $((x + 6)),$((y + 11))")
  d+=(-stroke '#8a5a00' -fill '#f2b630'
      -draw "polygon $((x + 13)),$((y + 1)) $((x + 16)),$((y + 4)) $((x + 8)),$((y + 12)) $((x + 5)),$((y + 9))")
  d+=(-stroke none -fill '#333333'
      -draw "polygon $((x + 5)),$((y + 9)) $((x + 8)),$((y + 12)) $((x + 4)),$((y + 13))")
}

names=("旅行日记第01集.flv" "旅行日记第02集.flv" "美食探店_成都篇.mp4" "街头采访合集.wmv"
       "宠物搞笑瞬间.avi" "校园晚会节目.mp4" "手工制作教程.flv" "城市夜景延时摄影.mp4"
       "篮球比赛精彩回放.wmv")
sizes=("56.3MB" "61.8MB" "128.4MB" "45.0MB" "88.2MB" "210.7MB" "33.9MB" "76.5MB" "152.1MB")

# Window frame: caption bar (the title is cut by the crop), menu strip, status bar.
box 0 0 820 29 '#2a63b8'
box 0 0 820 1 '#5d8fd8'
label -22 20 "酷6极速上传 3.8" '#ffffff' 14 "$hand"
box 764 6 786 23 '#3f78c9' '#9cc0ee'
d+=(-stroke '#ffffff' -strokewidth 2 -draw "line 769,18 781,18" -strokewidth 1)
box 792 6 814 23 '#d0483c' '#f0a39b'
d+=(-stroke '#ffffff' -strokewidth 2 -draw "line 798,10 808,19" -draw "line 808,10 798,19" -strokewidth 1)
box 0 30 820 60 '#dde8f6'
box 0 60 820 60 '#a9bfdc'
x=8
for item in "上传视频" "我的视频" "上传记录" "设置" "帮助"; do
  label $x 50 "$item" '#1d3f73'
  x=$((x + ${#item} * 12 + 26))
done
label 660 50 "当前用户：video_pub" '#1d3f73'
box 0 61 820 577 '#e9f0f9'
box 0 578 820 605 '#dde8f6' '#a9bfdc'
label 372 596 "共 9 个任务    上传中 0 个    总速度：0KB/s" '#1d3f73'

# What is left of the folder pane on the far left.
box 0 64 22 573 '#ffffff' '#9db5d6'
for row in 0 1 2 3 4 5; do
  box 0 $((74 + row * 22)) 12 $((84 + row * 22)) '#f3c34c' '#c49018'
done

# File pane.
box 28 64 356 573 '#f7faff' '#9db5d6'
label 36 82 "本地文件" '#1d3f73'
box 34 90 280 114 '#ffffff' '#7f9db9'
label 41 107 "输入文件名搜索" '#9a9a9a'
button 286 90 350 114
label 306 107 "搜索"
box 34 120 350 506 '#ffffff' '#7f9db9'
box 35 121 349 141 '#ebeef2'
box 35 141 349 141 '#c5ccd6'
box 57 123 57 139 '#c5ccd6'
box 270 123 270 139 '#c5ccd6'
checkbox 40 125
label 62 136 "文件名"
label 277 136 "大小"
for i in "${!names[@]}"; do
  y=$((142 + i * 21))
  checkbox 40 $((y + 4))
  label 62 $((y + 15)) "${names[$i]}"
  label 277 $((y + 15)) "${sizes[$i]}"
  box 36 $((y + 20)) 348 $((y + 20)) '#eef1f5'
done
checkbox 36 524
label 54 535 "全选"
button 96 517 156 543
label 114 535 "反选"
# The green Add button with its arrow.
d+=(-stroke '#1f6e1c' -fill '#3aa935' -draw "roundrectangle 236,512 350,548 4,4")
box 238 514 348 528 '#55bf4d'
label 262 536 "添加" '#ffffff' 16 "$hand"
d+=(-stroke none -fill '#ffffff' -draw "polygon 302,526 318,526 318,520 330,530 318,540 318,534 302,534")

# Task pane under its uploading tab.
box 362 64 818 573 '#f7faff' '#9db5d6'
box 364 68 460 92 '#ffffff' '#9db5d6'
box 365 91 459 93 '#ffffff'
label 376 85 "正在上传(9)" '#1d3f73'
box 462 70 540 91 '#dbe4f0' '#9db5d6'
label 478 85 "已上传(0)" '#5a6b82'
box 364 92 816 92 '#9db5d6'
button 368 98 436 124
d+=(-stroke none -fill '#2e9e2e' -draw "polygon 376,104 376,118 388,111")
label 396 116 "开始"
button 442 98 510 124
box 450 104 453 118 '#3a6bb5'
box 457 104 460 118 '#3a6bb5'
label 470 116 "暂停"
button 516 98 584 124
d+=(-stroke '#d0342c' -strokewidth 2 -draw "line 524,105 535,117" -draw "line 535,105 524,117" -strokewidth 1)
label 544 116 "删除"
box 364 130 816 570 '#ffffff' '#7f9db9'
box 365 131 815 151 '#ebeef2'
box 365 151 815 151 '#c5ccd6'
cols=(365 405 590 668 748 815)
heads=("编辑" "文件名" "文件大小" "进度" "速度")
for c in 0 1 2 3 4; do
  [ $c -gt 0 ] && box "${cols[$c]}" 133 "${cols[$c]}" 149 '#c5ccd6'
  label $((cols[c] + 7)) 146 "${heads[$c]}"
done
for i in "${!names[@]}"; do
  y=$((152 + i * 23))
  edit_icon 376 $((y + 3))
  label 412 $((y + 16)) "${names[$i]}"
  label 597 $((y + 16)) "${sizes[$i]}"
  box 676 $((y + 4)) 740 $((y + 18)) '#f0f0f0' '#a8b4c4'
  label 700 $((y + 16)) "0%"
  label 755 $((y + 16)) "0KB/s" '#555555'
  box 366 $((y + 22)) 814 $((y + 22)) '#eef1f5'
done

convert -size 821x606 xc:'#e9f0f9' "${d[@]}" "$work/window.png"

# The red hand-written note, slightly wavy and tilted, and the arrow to the Add button.
note_line() {  # text file
  convert -background none -fill '#e3170a' -stroke '#e3170a' -strokewidth 0.6 -font "$hand" \
    -pointsize 22 label:"$1" -wave 2,70 -background none -rotate -3 "$2"
}
note_line "点击添加，把视频移到右边，" "$work/note1.png"
note_line "然后再用本工具" "$work/note2.png"
# The arrow's shaft: a cubic curve from under the note to the button, drawn as short round-capped
# lines (ImageMagick 6 strokes a wide open polyline or path as a closed outline).
points=($(awk 'BEGIN {
  split("214 420 222 462 240 486 276 500", p, " ")
  for (i = 0; i <= 24; i++) {
    t = i / 24; u = 1 - t
    a = u * u * u; b = 3 * u * u * t; c = 3 * u * t * t; e = t * t * t
    printf "%.1f,%.1f ", a * p[1] + b * p[3] + c * p[5] + e * p[7], a * p[2] + b * p[4] + c * p[6] + e * p[8]
  }
}'))
shaft=()
for ((i = 1; i < ${#points[@]}; i++)); do
  shaft+=(-draw "line ${points[i - 1]} ${points[i]}")
done
convert "$work/window.png" \
  "$work/note1.png" -geometry +44+338 -composite \
  "$work/note2.png" -geometry +92+374 -composite \
  -fill none -stroke '#e3170a' -strokewidth 4 -draw "stroke-linecap round" "${shaft[@]}" \
  -stroke '#e3170a' -fill '#e3170a' -strokewidth 1 \
  -draw "polygon 291,510 271.9,512.6 278.3,495.8" \
  -strip -interlace none -sampling-factor 2x2 -quality 90 "$work/tutorial.jpg"
mv "$work/tutorial.jpg" "$out"
echo "wrote $out"
