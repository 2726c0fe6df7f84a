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
</context>
</TS>
