<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>InstanceLock</name>
    <message>
        <source>Zandrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zandrel is already running on this computer. Use the open window, so that no score is lost.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Zandrel v2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 Students.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start lottery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust running speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score(A-F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input &apos;A&apos;-&apos;F&apos; and press enter key to accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input score &apos;A&apos; to current student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input score &apos;B&apos; to current student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input score &apos;C&apos; to current student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input score &apos;D&apos; to current student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input score &apos;E&apos; to current student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input score &apos;F&apos; to current student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set text rolling in LED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheel it!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose wheel number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace it!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set score to the selected student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input score to the selected student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set rectangle shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll it!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set visible items in screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the number of the selected items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lottery Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Student Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Homework</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate Ave Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Simplify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Micro Tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TV Roller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Students</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Zandrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input letter &apos;A&apos;,&apos;B&apos;,&apos;C&apos;,&apos;D&apos;,&apos;E&apos; or &apos;F&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
