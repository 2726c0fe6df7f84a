<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Mensorator</name>
    <message>
        <extracomment>Tab of the first page: radix conversion and angle units</extracomment>
        <source>基数変換・角度単位関連</source>
        <translation>Numbers and Angles</translation>
    </message>
    <message>
        <extracomment>Tab of the second page</extracomment>
        <source>距離・角度</source>
        <translation>Distance and Angle</translation>
    </message>
    <message>
        <source>１６進数</source>
        <translation>Hexadecimal</translation>
    </message>
    <message>
        <source>１０進数</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>８進数</source>
        <translation>Octal</translation>
    </message>
    <message>
        <source>２進数</source>
        <translation>Binary</translation>
    </message>
    <message>
        <extracomment>Group box around the angle units and their sine, cosine and tangent</extracomment>
        <source>三角関数等</source>
        <translation>Trigonometry</translation>
    </message>
    <message>
        <extracomment>Angle unit</extracomment>
        <source>Degree</source>
        <translation>Degree</translation>
    </message>
    <message>
        <extracomment>Angle unit</extracomment>
        <source>Radian</source>
        <translation>Radian</translation>
    </message>
    <message>
        <extracomment>Angle unit: a right angle is 100 grads</extracomment>
        <source>Grad</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>sin =</source>
        <translation>sin =</translation>
    </message>
    <message>
        <source>cos =</source>
        <translation>cos =</translation>
    </message>
    <message>
        <source>tan =</source>
        <translation>tan =</translation>
    </message>
    <message>
        <extracomment>Row of the start point&apos;s coordinates</extracomment>
        <source>始点</source>
        <translation>Start</translation>
    </message>
    <message>
        <extracomment>Row of the end point&apos;s coordinates</extracomment>
        <source>終点</source>
        <translation>End</translation>
    </message>
    <message>
        <extracomment>Coordinate</extracomment>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <extracomment>Coordinate</extracomment>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <extracomment>Coordinate</extracomment>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <extracomment>Length of the segment from the start to the end point</extracomment>
        <source>距離</source>
        <translation>Distance</translation>
    </message>
    <message>
        <extracomment>Length of the segment&apos;s projection on the XY plane</extracomment>
        <source>XY平面での距離</source>
        <translation>XY distance</translation>
    </message>
    <message>
        <extracomment>Direction of the segment in the XY plane, clockwise from +Y towards +X</extracomment>
        <source>XY平面での角度</source>
        <translation>Bearing</translation>
    </message>
    <message>
        <extracomment>Angle of the segment above the XY plane</extracomment>
        <source>XY平面での仰角</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <extracomment>Entry of the window menu; &amp; marks the access key</extracomment>
        <source>Mensorator のﾊﾞｰｼﾞｮﾝ情報(&amp;A)...</source>
        <translation>&amp;About Mensorator...</translation>
    </message>
    <message>
        <extracomment>Caption of the About box</extracomment>
        <source>Mensoratorのﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About Mensorator</translation>
    </message>
    <message>
        <source>Copyright (C) 2004 Mensorator
2004/08/29</source>
        <translation>Copyright (C) 2004 Mensorator
2004/08/29</translation>
    </message>
    <message>
        <extracomment>Shown where a page was after Escape hid it, with the focus on its tab</extracomment>
        <source>Esc でページを隠しました。タブをクリックするか Enter を押すと再び表示します。</source>
        <translation>Escape hid the page. Click its tab or press Enter to show it again.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <extracomment>Copy as / Paste as: hexadecimal with its prefix</extracomment>
        <source>１６進数 0x…</source>
        <translation>Hexadecimal 0x…</translation>
    </message>
    <message>
        <extracomment>Copy as / Paste as: octal with its prefix</extracomment>
        <source>８進数 0o…</source>
        <translation>Octal 0o…</translation>
    </message>
    <message>
        <extracomment>Copy as / Paste as: binary with its prefix</extracomment>
        <source>２進数 0b…</source>
        <translation>Binary 0b…</translation>
    </message>
    <message>
        <extracomment>Copy as: the 32 bits in binary, in groups of four digits</extracomment>
        <source>２進数 32ビット、4桁区切り</source>
        <translation>Binary, 32 bits in groups of four</translation>
    </message>
    <message>
        <extracomment>Copy as: the 32 bits read as an unsigned number</extracomment>
        <source>符号なし32ビット整数</source>
        <translation>Unsigned 32-bit</translation>
    </message>
    <message>
        <extracomment>Copy as / Paste as: a colour code</extracomment>
        <source>色 #RRGGBB</source>
        <translation>Colour #RRGGBB</translation>
    </message>
    <message>
        <extracomment>Copy as / Paste as: a file&apos;s permissions as ls -l shows them</extracomment>
        <source>ファイルのモード rwxr-xr-x</source>
        <translation>File mode rwxr-xr-x</translation>
    </message>
    <message>
        <extracomment>Copy as / Paste as: hexadecimal, decimal, octal and binary, one per line</extracomment>
        <source>４つの基数すべて</source>
        <translation>All four bases</translation>
    </message>
    <message>
        <extracomment>Copy as / Paste as: an angle in degrees, minutes and seconds</extracomment>
        <source>度分秒 36°52′11.6″</source>
        <translation>Degrees, minutes, seconds 36°52′11.6″</translation>
    </message>
    <message>
        <extracomment>Copy as / Paste as: a surveyor&apos;s bearing from north or south towards east or west</extracomment>
        <source>象限方位 N36°52′E</source>
        <translation>Quadrant bearing N36°52′E</translation>
    </message>
    <message>
        <extracomment>Copy as / Paste as: the elevation as a gradient in percent</extracomment>
        <source>勾配 %</source>
        <translation>Slope in percent</translation>
    </message>
    <message>
        <extracomment>Paste as: the clipboard holds nothing in the chosen notation</extracomment>
        <source>クリップボードにはこの表記の値がありません。何も変えていません。</source>
        <translation>The clipboard holds no value in this notation. Nothing was changed.</translation>
    </message>
    <message>
        <extracomment>Paste as: the number needs more than 32 bits</extracomment>
        <source>32ビットに収まらない数です。何も変えていません。</source>
        <translation>The number does not fit in 32 bits. Nothing was changed.</translation>
    </message>
    <message>
        <extracomment>Copy as: the field&apos;s value has no spelling in this notation (a colour beyond #ffffff, a mode beyond 7777)</extracomment>
        <source>この値はこの表記では書けません。</source>
        <translation>This value cannot be written in this notation.</translation>
    </message>
    <message>
        <extracomment>Edit field menu: undo the last edit</extracomment>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <extracomment>Edit field menu: submenu that copies the value in a chosen notation</extracomment>
        <source>表記を選んでコピー(&amp;O)</source>
        <translation>C&amp;opy as</translation>
    </message>
    <message>
        <extracomment>Edit field menu: submenu that reads the clipboard in a chosen notation</extracomment>
        <source>表記を選んで貼り付け(&amp;S)</source>
        <translation>Pa&amp;ste as</translation>
    </message>
</context>
</TS>
