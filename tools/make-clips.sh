#!/usr/bin/env bash
# Makes the calculator's 42 voice clips in resources/clips/ with espeak-ng
# (Mandarin) and sox. The generated files are committed, so the build never
# needs these tools; run this again only to remake the clips.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v espeak-ng >/dev/null || ! command -v sox >/dev/null; then
  as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
  as_root apt-get install -y -q --no-install-recommends espeak-ng sox
fi

out=resources/clips
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# Mandarin voice that takes its text as tone-numbered pinyin: Debian's plain
# cmn voice spells many of these characters out as English letters.
voice=cmn-latn-pinyin

# Formats: mono 44.1 kHz 16-bit, stereo 44.1 kHz 16-bit, low 16 kHz 8-bit mono.
# name | format | what is said (pinyin) | the same in characters
clips=(
  "0_wav|mono|ling2|零"
  "1_wav|mono|yi1|壹"
  "2_wav|mono|er4|贰"
  "3_wav|mono|san1|叁"
  "4_wav|mono|si4|肆"
  "5_wav|mono|wu3|伍"
  "6_wav|mono|liu4|陆"
  "7_wav|mono|qi1|柒"
  "8_wav|mono|ba1|捌"
  "9_wav|mono|jiu3|玖"
  "10_wav|mono|shi2|拾"
  "bai_wav|mono|bai3|佰"
  "qian_wav|mono|qian1|仟"
  "wan_wav|mono|wan4|万"
  "yi_wav|mono|yi4|亿"
  "yuan_wav|low|yuan2|元"
  "jiao_wav|stereo|jiao3|角"
  "fen_wav|stereo|fen1|分"
  "fu_wav|mono|fu4|负"
  "point_wav|mono|dian3|点"
  "add_wav|stereo|jia1|加"
  "sub_wav|stereo|jian3|减"
  "mul_wav|stereo|cheng2|乘"
  "div_wav|stereo|chu2|除"
  "zuo_wav|stereo|zuo3 kuo4 hao4|左括号"
  "you_wav|stereo|you4 kuo4 hao4|右括号"
  "bs_wav|mono|tui4 ge2|退格"
  "c_wav|mono|qing1 chu2|清除"
  "eqr_wav|mono|deng3 yu2|等于"
  "ncf_wav|mono|cheng2 fang1|乘方"
  "leicheng_wav|mono|jie1 cheng2|阶乘"
  "kaifang_wav|mono|kai1 fang1|开方"
  "pingfang_wav|mono|ping2 fang1|平方"
  "mod_wav|mono|qiu2 yu2|求余"
  "pi_wav|mono|pai4|派"
  "sin_wav|mono|zheng4 xian2|正弦"
  "cos_wav|mono|yu2 xian2|余弦"
  "tan_wav|mono|zheng4 qie1|正切"
  "asin_wav|mono|fan3 zheng4 xian2|反正弦"
  "acos_wav|mono|fan3 yu2 xian2|反余弦"
  "atan_wav|mono|fan3 zheng4 qie1|反正切"
  "log_wav|mono|dui4 shu4|对数"
)

longest=1.1
shortest=0.1

for entry in "${clips[@]}"; do
  IFS='|' read -r name format pinyin _characters <<<"$entry"
  case "$format" in
    mono)   shape=(-r 44100 -b 16 -c 1) ;;
    stereo) shape=(-r 44100 -b 16 -c 2) ;;
    low)    shape=(-r 16000 -b 8 -e unsigned-integer -c 1) ;;
    *) echo "unknown format $format" >&2; exit 1 ;;
  esac

  espeak-ng -v "$voice" -w "$work/spoken.wav" "$pinyin"
  # Cut the silence at both ends so the pacing, not the recording, sets the rhythm.
  sox "$work/spoken.wav" "$work/trimmed.wav" \
    silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse

  # Speed up what is too long to fit the pause between two characters.
  length=$(soxi -D "$work/trimmed.wav")
  speedup=()
  if awk -v l="$length" -v m="$longest" 'BEGIN { exit !(l > m - 0.05) }'; then
    factor=$(awk -v l="$length" -v m="$longest" 'BEGIN { printf "%.3f", l / (m - 0.1) }')
    speedup=(tempo -s "$factor")
  fi

  # No dither: the same input always gives the same file.
  sox -D "$work/trimmed.wav" "${shape[@]}" "$out/$name.wav" norm -1 "${speedup[@]}"

  made=$(soxi -D "$out/$name.wav")
  if ! awk -v l="$made" -v lo="$shortest" -v hi="$longest" 'BEGIN { exit !(l >= lo && l <= hi) }'; then
    echo "$name: $made s is outside $shortest..$longest s" >&2
    exit 1
  fi
  printf '%-14s %-6s %5.2f s  %s\n' "$name" "$format" "$made" "$pinyin"
done
