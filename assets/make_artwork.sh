#!/usr/bin/env bash
# Draws every JPEG picture of the program's windows into this folder, each at
# its designed size ("logo.jpg") and at twice that size for screens scaled to
# 200% ("logo@2x.jpg"), both from the same drawing.
# Needs ImageMagick 6 (`convert`), Perl and the DejaVu and URW base35 fonts.
# Run it again after changing a drawing; the pictures are committed.
set -euo pipefail

cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Fonts are used by file, so the drawings do not depend on fontconfig names.
DEJAVU_BOLD=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
DEJAVU=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
NARROW_BOLD=/usr/share/fonts/opentype/urw-base35/NimbusSansNarrow-Bold.otf
GOTHIC_DEMI=/usr/share/fonts/opentype/urw-base35/URWGothic-Demi.otf
GOTHIC_BOOK=/usr/share/fonts/opentype/urw-base35/URWGothic-Book.otf
for font in "$DEJAVU_BOLD" "$DEJAVU" "$NARROW_BOLD" "$GOTHIC_DEMI" "$GOTHIC_BOOK"; do
    [[ -r $font ]] || { echo "missing font: $font" >&2; exit 1; }
done

# Colours shared by the drawings.
WINDOW='#F8F8F8'     # the windows' own light grey, RGB 248, 248, 248
WELL='#F4F4F4'       # inside of the runner's boxes, ground of the clock pictures
FRAME='#BDBDBD'      # thin frame of the boxes
INK='#111111'        # black text
FADED='#C6C6C6'      # the phase word that is not current
SLATE='#34495E'      # normal tool glyphs
HOVER_GROUND='#DCEAF8'
HOVER_FRAME='#86AEDB'
HOVER_INK='#1D5FA8'

# ---- Scale -------------------------------------------------------------------

# Every drawing below is written in the designed pixels and made at scale S:
# 1 for the designed pictures, 2 for their @2x twins. At scale 1 each helper
# hands its input back as written, so the designed pictures never change.
S=1
SUFFIX=''

n() { # length -> length at scale S: n 13 -> 26 at scale 2
    if ((S == 1)); then echo "$1"; else perl -e 'print $ARGV[0] * $ARGV[1]' -- "$1" "$S"; fi
}
sz() { # WxH -> WxH at scale S: sz 48x48 -> 96x96 at scale 2
    echo "$(n "${1%x*}")x$(n "${1#*x}")"
}
off() { # x y -> an offset at scale S: off -45 0 -> -90+0 at scale 2
    printf '%+d%+d' "$(n "$1")" "$(n "$2")"
}

# ImageMagick puts pixel centres on whole coordinates and fills every pixel
# whose centre lies on a shape's edge, so a filled shape covers half a pixel
# more than its outline on every side ("rectangle 104,5 104,15" is a line one
# pixel wide). Scaling keeps what is covered:
#   outlines (O): a point x goes to S*x + (S-1)/2 and radii to S*r, so
#     "roundrectangle 0.5,0.5 47.5,47.5 7,7" -> "... 1.5,1.5 95.5,95.5 14,14";
#   filled shapes (F): rectangles keep their pixel rows and columns,
#     "rectangle 104,5 104,15" -> "rectangle 208,10 209,31", a circle's radius
#     goes to S*r + (S-1)/2, and a point becomes an S x S square.
MVG_SCALER='
my ($s, $mode, $mvg) = @ARGV;
my $half = ($s - 1) / 2;
sub num { my $v = sprintf("%.3f", $_[0]); $v =~ s/\.?0+$//; $v eq "-0" ? "0" : $v }
sub pair { num($_[0]) . "," . num($_[1]) }
my @tokens = split " ", $mvg;
my @out;
while (@tokens) {
    my $word = shift @tokens;
    my @pts;
    push @pts, [split /,/, shift @tokens] while @tokens && $tokens[0] =~ /^-?[\d.]+,-?[\d.]+$/;
    if ($word eq "circle") {
        my ($c, $p) = @pts;
        my $r = sqrt(($p->[0] - $c->[0]) ** 2 + ($p->[1] - $c->[1]) ** 2);
        my $to = $s * $r + ($mode eq "F" ? $half : 0);
        my @m = map { $s * $_ + $half } @$c;
        push @out, "circle", pair(@m),
            pair($m[0] + ($p->[0] - $c->[0]) * $to / $r, $m[1] + ($p->[1] - $c->[1]) * $to / $r);
    } elsif ($word eq "point") {
        my ($x, $y) = map { $s * $_ } @{$pts[0]};
        push @out, "rectangle", pair($x, $y), pair($x + $s - 1, $y + $s - 1);
    } elsif (($word eq "rectangle" || $word eq "roundrectangle") && $mode eq "F") {
        my ($a, $b, $r) = @pts;
        push @out, $word, pair($s * $a->[0], $s * $a->[1]),
            pair($s * $b->[0] + $s - 1, $s * $b->[1] + $s - 1);
        push @out, pair($s * $r->[0], $s * $r->[1]) if $r;
    } elsif ($word eq "roundrectangle") {
        my ($a, $b, $r) = @pts;
        push @out, $word, pair(map { $s * $_ + $half } @$a), pair(map { $s * $_ + $half } @$b),
            pair($s * $r->[0], $s * $r->[1]);
    } else {
        push @out, $word, map { pair(map { $s * $_ + $half } @$_) } @pts;
    }
}
print join(" ", @out);
'
O() { # outline MVG -> at scale S
    if ((S == 1)); then echo "$1"; else perl -e "$MVG_SCALER" -- "$S" O "$1"; fi
}
F() { # filled MVG -> at scale S
    if ((S == 1)); then echo "$1"; else perl -e "$MVG_SCALER" -- "$S" F "$1"; fi
}

# Writes a baseline, RGB, 4:4:4 JPEG of exactly the given designed size at
# scale S, named with the scale's suffix: save in.png 48x48 main_info1.jpg.
save() { # input size output
    convert "$1" -strip -background white -flatten -alpha off \
        -gravity center -extent "$(sz "$2")" +repage \
        -colorspace sRGB -type TrueColor -interlace none \
        -sampling-factor 1x1 -quality 92 "jpg:${3%.jpg}$SUFFIX.jpg"
}

draw() {
# ---- Runner: clock digits, colon, phase pictures, boxes, name bar, buttons --

# The ten digits share one box, so they keep a common baseline and their own
# widths; the box is squeezed to a tall, narrow numeral that fills the well.
# The numerals are drawn large once and brought down to either scale.
convert -size 2000x400 xc:none -font "$NARROW_BOLD" -pointsize 300 -fill black \
    -gravity center -annotate +0+0 0123456789 -trim -format '%h %Y\n' info: >"$work/box"
read -r digit_h digit_y <"$work/box"
digit_y=${digit_y#+}
for d in 0 1 2 3 4 5 6 7 8 9; do
    convert -size 300x400 "xc:$WELL" -font "$NARROW_BOLD" -pointsize 300 -fill "$INK" \
        -gravity center -annotate +0+0 "$d" \
        -gravity north -crop "150x${digit_h}+0+${digit_y}" +repage \
        -filter Lanczos -resize "$(sz 26x50)!" \
        -background "$WELL" -gravity center -extent "$(sz 30x60)" "$work/digit$d.png"
    save "$work/digit$d.png" 30x60 "digit$d.jpg"
done

# The tens-of-seconds digit covers the colon's right edge, so the dots sit left
# of the middle.
convert -size "$(sz 30x60)" "xc:$WELL" -fill "$INK" -stroke none \
    -draw "$(F 'circle 11,23 11,19.4')" -draw "$(F 'circle 11,39 11,35.4')" "$work/colon.png"
save "$work/colon.png" 30x60 colon.jpg

phase() { # exercise-colour rest-colour output
    convert -size "$(sz 200x20)" "xc:$WELL" -font "$DEJAVU_BOLD" -pointsize "$(n 13)" \
        -gravity center -fill "$1" -annotate "$(off -45 0)" 'Exercise' \
        -fill "$2" -annotate "$(off 55 0)" 'Rest' \
        -fill "$FADED" -stroke none -draw "$(F 'rectangle 104,5 104,15')" "$3"
}
phase "$INK" "$FADED" "$work/phase_exercise.png"
save "$work/phase_exercise.png" 200x20 phase_exercise.jpg
phase "$FADED" "$INK" "$work/phase_rest.png"
save "$work/phase_rest.png" 200x20 phase_rest.jpg

box() { # inside-colour width height output
    convert -size "$(sz "$2x$3")" xc:white -fill "$1" -stroke "$FRAME" -strokewidth "$(n 1)" \
        -draw "$(O "roundrectangle 0.5,0.5 $(($2 - 1)).5,$(($3 - 1)).5 5,5")" "$4"
}
box "$WINDOW" 200 212 "$work/box_list.png"
save "$work/box_list.png" 200x212 box_list.jpg
box "$WELL" 250 70 "$work/box_wide.png"
save "$work/box_wide.png" 250x70 box_wide.jpg

convert -size "$(sz 500x70)" gradient:'#FDFDFD-#DADADA' -fill none -stroke '#5A5A5A' \
    -strokewidth "$(n 1)" -draw "$(O 'rectangle 0.5,0.5 499.5,69.5')" \
    -stroke '#FFFFFF' -draw "$(O 'line 1.5,1.5 498.5,1.5')" "$work/namebar.png"
save "$work/namebar.png" 500x70 namebar.jpg

runnerbutton() { # word output
    convert -size "$(sz 50x40)" "xc:$WELL" \
        \( -size "$(sz 48x38)" gradient:'#FFFFFF-#E2E2E2' \) -gravity center -composite \
        -fill none -stroke '#8C8C8C' -strokewidth "$(n 1)" \
        -draw "$(O 'roundrectangle 0.5,0.5 49.5,39.5 4,4')" \
        -stroke none -fill "$INK" -font "$DEJAVU_BOLD" -pointsize "$(n 13)" \
        -gravity center -annotate +0+0 "$1" "$2"
    # The gradient's square corners show outside the rounded frame: paint them over.
    convert "$2" -fill "$WELL" -stroke none \
        -draw "$(F 'point 0,0')" -draw "$(F 'point 49,0')" -draw "$(F 'point 0,39')" \
        -draw "$(F 'point 49,39')" "$2"
}
runnerbutton Start "$work/runner_start.png"
save "$work/runner_start.png" 50x40 runner_start.jpg
runnerbutton Stop "$work/runner_stop.png"
save "$work/runner_stop.png" 50x40 runner_stop.jpg

# ---- Main window: five 48 x 48 buttons, logo, divider -----------------------

# Each button is a coloured disc with a white glyph. The hover picture sits on
# a soft blue tile and lightens the disc; main_start0 is the greyed play disc.
local GLYPH_INFO GLYPH_PLAY GLYPH_PLUS GLYPH_DUMBBELL
GLYPH_INFO=$(F "circle 24,15.5 24,12.7 roundrectangle 21.5,20 26.5,33 1.5,1.5")
GLYPH_PLAY=$(F "polygon 19,14 19,34 34,24")
GLYPH_PLUS=$(F "roundrectangle 21.5,13 26.5,35 1.5,1.5 roundrectangle 13,21.5 35,26.5 1.5,1.5")
GLYPH_DUMBBELL=$(F "rectangle 13,22.5 35,25.5 roundrectangle 15,16 19,32 1,1 roundrectangle 29,16 33,32 1,1 roundrectangle 11,19 14,29 1,1 roundrectangle 34,19 37,29 1,1")

mainbutton() { # disc-colour glyph-mvg hover(0/1) output [extra convert args...]
    local disc=$1 glyph=$2 hover=$3 out=$4
    shift 4
    local tile=()
    if [[ $hover == 1 ]]; then
        tile=(-fill "$HOVER_GROUND" -stroke "$HOVER_FRAME" -strokewidth "$(n 1)"
            -draw "$(O 'roundrectangle 0.5,0.5 47.5,47.5 7,7')")
    fi
    local draw=()
    [[ -n $glyph ]] && draw=(-draw "$glyph")
    convert -size "$(sz 48x48)" "xc:$WINDOW" "${tile[@]}" \
        -stroke none -fill "$disc" -draw "$(F 'circle 24,24 24,5')" \
        -fill white "$@" "${draw[@]}" "$out"
}

# Crossed bars for removal: two thick white strokes with round ends.
local CROSS_ARGS=(-stroke white -strokewidth "$(n 5)" -draw "$(O 'stroke-linecap round line 17,17 31,31')"
    -draw "$(O 'stroke-linecap round line 31,17 17,31')" -stroke none)

mainbutton '#2F6DB5' "$GLYPH_INFO" 0 "$work/main_info1.png"
mainbutton '#4A8BD6' "$GLYPH_INFO" 1 "$work/main_info2.png"
mainbutton '#B4B4B4' "$GLYPH_PLAY" 0 "$work/main_start0.png"
mainbutton '#2E9D4F' "$GLYPH_PLAY" 0 "$work/main_start1.png"
mainbutton '#3DBA63' "$GLYPH_PLAY" 1 "$work/main_start2.png"
mainbutton '#1F8A8A' "$GLYPH_PLUS" 0 "$work/main_new1.png"
mainbutton '#2AA8A8' "$GLYPH_PLUS" 1 "$work/main_new2.png"
mainbutton '#C8443A' "" 0 "$work/main_remove1.png" "${CROSS_ARGS[@]}"
mainbutton '#DF5B50' "" 1 "$work/main_remove2.png" "${CROSS_ARGS[@]}"
mainbutton '#D9822B' "$GLYPH_DUMBBELL" 0 "$work/main_exercise1.png"
mainbutton '#EE9A45' "$GLYPH_DUMBBELL" 1 "$work/main_exercise2.png"
for name in info1 info2 start0 start1 start2 new1 new2 remove1 remove2 exercise1 exercise2; do
    save "$work/main_$name.png" 48x48 "main_$name.jpg"
done

# The logo: "Stride" in slate and "well" in blue, underlined by a short stroke.
# The words are measured at the scale's own size, so they stay centred.
local stride_w well_w logo_x
stride_w=$(convert -font "$GOTHIC_DEMI" -pointsize "$(n 24)" label:Stride -format '%w' info:)
well_w=$(convert -font "$GOTHIC_DEMI" -pointsize "$(n 24)" label:well -format '%w' info:)
logo_x=$((($(n 120) - stride_w - well_w) / 2))
# Underline strokes as whole designed pixels from the logo's left edge.
underline() { # first last -> a filled rectangle, rows 31 and 32
    echo "rectangle $((logo_x + $(n "$1"))),$(n 31) $((logo_x + $(n "$2") + S - 1)),$(($(n 32) + S - 1))"
}
convert -size "$(sz 120x40)" "xc:$WINDOW" -font "$GOTHIC_DEMI" -pointsize "$(n 24)" \
    -fill "$SLATE" -annotate "+${logo_x}+$(n 26)" Stride \
    -fill '#2F6DB5' -annotate "+$((logo_x + stride_w))+$(n 26)" well \
    -fill '#2F6DB5' -draw "$(underline 1 40)" \
    -fill '#9DC0E6' -draw "$(underline 43 58)" \
    "$work/logo.png"
save "$work/logo.png" 120x40 logo.jpg

convert -size "$(sz 36x8)" "xc:$WINDOW" -stroke none \
    -fill '#C4C4C4' -draw "$(F 'circle 9,4 9,2.6')" -draw "$(F 'circle 27,4 27,2.6')" \
    -fill '#2F6DB5' -draw "$(F 'circle 18,4 18,2.2')" \
    -fill '#D6D6D6' -draw "$(F 'rectangle 0,3.5 5,4.5')" -draw "$(F 'rectangle 31,3.5 35,4.5')" \
    "$work/smallsplitter.png"
save "$work/smallsplitter.png" 36x8 smallsplitter.jpg

# ---- Launcher: banner, bullet, separator, close mark --------------------------

convert -size "$(sz 65x600)" gradient:'#2E8BC0-#1E4A78' -rotate 90 \
    -fill '#FFFFFF12' -stroke none \
    -draw "$(F 'circle 520,10 520,80')" -draw "$(F 'circle 575,60 575,105')" \
    -draw "$(F 'circle 440,70 440,112')" \
    -fill none -stroke '#FFFFFF55' -strokewidth "$(n 2)" -draw "$(O 'circle 538,32 538,12')" \
    -stroke '#FFFFFF99' -strokewidth "$(n 2)" -draw "$(O 'line 538,32 538,19')" \
    -draw "$(O 'line 538,32 547,32')" \
    -stroke none -fill white -font "$GOTHIC_DEMI" -pointsize "$(n 34)" -annotate "$(off 22 40)" Stridewell \
    -fill '#CFE3F5' -font "$GOTHIC_BOOK" -pointsize "$(n 15)" -annotate "$(off 216 39)" 'Circuit training timer' \
    -fill '#FFFFFF66' -draw "$(F 'rectangle 22,48 196,49')" "$work/banner.png"
save "$work/banner.png" 600x65 banner.jpg

convert -size "$(sz 18x18)" "xc:$WINDOW" -stroke none -fill '#2F6DB5' -draw "$(F 'circle 9,9 9,1.5')" \
    -fill none -stroke white -strokewidth "$(n 2)" -draw "$(O 'polyline 7.5,5.5 11,9 7.5,12.5')" \
    "$work/bullet.png"
save "$work/bullet.png" 18x18 bullet.jpg

# A hairline that fades out towards both ends.
convert -size "$(sz 5x293)" "xc:$WINDOW" \
    \( -size "$(sz 1x147)" gradient:"$WINDOW"-'#AFAFAF' \) -geometry "$(off 2 0)" -composite \
    \( -size "$(sz 1x146)" gradient:'#AFAFAF'-"$WINDOW" \) -geometry "$(off 2 147)" -composite \
    "$work/separator.png"
save "$work/separator.png" 5x293 separator.jpg

convert -size "$(sz 10x10)" "xc:$WINDOW" -stroke '#555555' -strokewidth "$(n 1.6)" \
    -draw "$(O 'line 1.5,1.5 8.5,8.5')" -draw "$(O 'line 8.5,1.5 1.5,8.5')" "$work/closemark.png"
save "$work/closemark.png" 10x10 closemark.jpg

# ---- Exercise library editor: three 38 x 34 tools, normal and highlighted ------

local TOOL_SAVE="roundrectangle 8,6 30,28 2,2"
toolbutton() { # ink hover(0/1) kind output
    local ink=$1 hover=$2 kind=$3 out=$4
    local args=(-size "$(sz 38x34)" "xc:$WINDOW")
    if [[ $hover == 1 ]]; then
        args+=(-fill "$HOVER_GROUND" -stroke "$HOVER_FRAME" -strokewidth "$(n 1)"
            -draw "$(O 'roundrectangle 0.5,0.5 37.5,33.5 5,5')")
    fi
    args+=(-stroke none -fill "$ink")
    case $kind in
    save) # a floppy disk: body, metal shutter, white label
        args+=(-draw "$(F "$TOOL_SAVE")"
            -fill white -draw "$(F 'rectangle 13,8 24,14')" -fill "$ink" -draw "$(F 'rectangle 20,9 22,13')"
            -fill white -draw "$(F 'roundrectangle 11,18 27,26 1,1')") ;;
    new)
        args+=(-draw "$(F 'roundrectangle 17,6 21,28 1,1')" -draw "$(F 'roundrectangle 8,15 30,19 1,1')") ;;
    delete)
        args+=(-stroke "$ink" -strokewidth "$(n 4)"
            -draw "$(O 'stroke-linecap round line 11,9 27,25')" -draw "$(O 'stroke-linecap round line 27,9 11,25')") ;;
    esac
    convert "${args[@]}" "$out"
}
for kind in save new delete; do
    toolbutton "$SLATE" 0 "$kind" "$work/tool_${kind}1.png"
    toolbutton "$HOVER_INK" 1 "$kind" "$work/tool_${kind}2.png"
    save "$work/tool_${kind}1.png" 38x34 "tool_${kind}1.jpg"
    save "$work/tool_${kind}2.png" 38x34 "tool_${kind}2.jpg"
done

# ---- Circuit editor: four 33 x 33 list buttons ---------------------------------

listbutton() { # output glyph-args...
    local out=$1
    shift
    convert -size "$(sz 33x33)" xc:white \
        \( -size "$(sz 31x31)" gradient:'#FFFFFF-#E4E4E4' \) -gravity center -composite -gravity northwest \
        -fill none -stroke '#9A9A9A' -strokewidth "$(n 1)" -draw "$(O 'roundrectangle 0.5,0.5 32.5,32.5 3,3')" \
        -stroke none "$@" "$out"
}
listbutton "$work/list_add.png" -fill '#2E9D4F' \
    -draw "$(F 'roundrectangle 14.5,7 18.5,26 1,1')" -draw "$(F 'roundrectangle 7,14.5 26,18.5 1,1')"
listbutton "$work/list_up.png" -fill "$SLATE" \
    -draw "$(F 'polygon 16.5,6 26,16 7,16')" -draw "$(F 'rectangle 14,15 19,26')"
listbutton "$work/list_down.png" -fill "$SLATE" \
    -draw "$(F 'polygon 16.5,27 26,17 7,17')" -draw "$(F 'rectangle 14,7 19,18')"
listbutton "$work/list_remove.png" -fill '#C8443A' -draw "$(F 'roundrectangle 7,14.5 26,18.5 1,1')"
for kind in add up down remove; do
    save "$work/list_$kind.png" 33x33 "list_$kind.jpg"
done
}

S=1 SUFFIX='' draw
S=2 SUFFIX='@2x' draw

echo "artwork written to $(pwd)"
