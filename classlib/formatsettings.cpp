#include "classlib/formatsettings.h"

TFormatSettings ChineseFormatSettings()
{
    TFormatSettings s;
    s.CurrencyString = "￥";
    s.ShortDateFormat = "yyyy/M/d";
    s.LongDateFormat = "yyyy年M月d日dddd";
    s.ShortTimeFormat = "HH:mm";
    s.LongTimeFormat = "HH:mm:ss";
    s.TimeAMString = "上午";
    s.TimePMString = "下午";
    s.ShortMonthNames = {"1月", "2月", "3月", "4月", "5月", "6月", "7月", "8月", "9月", "10月", "11月", "12月"};
    s.LongMonthNames = {"一月", "二月", "三月", "四月", "五月", "六月",
                        "七月", "八月", "九月", "十月", "十一月", "十二月"};
    s.ShortDayNames = {"周日", "周一", "周二", "周三", "周四", "周五", "周六"};
    s.LongDayNames = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    return s;
}

TFormatSettings& FormatSettings()
{
    static TFormatSettings settings = SystemFormatSettings();
    return settings;
}

void RefreshFormatSettings()
{
    FormatSettings() = SystemFormatSettings();
}
