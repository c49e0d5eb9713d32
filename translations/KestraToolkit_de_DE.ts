<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
    <context>
        <name>Functionkey</name>
        <message>
            <source>OK</source>
            <comment>Button</comment>
            <extracomment>Token 1</extracomment>
            <translation>OK</translation>
        </message>
        <message>
            <source>YES</source>
            <comment>Button</comment>
            <extracomment>Token 2</extracomment>
            <translation>JA</translation>
        </message>
        <message>
            <source>NO</source>
            <comment>Button</comment>
            <extracomment>Token 3</extracomment>
            <translation>NEIN</translation>
        </message>
        <message>
            <source>CANCEL</source>
            <comment>Button</comment>
            <extracomment>Token 4</extracomment>
            <translation>ABBRUCH</translation>
        </message>
        <message>
            <source>RETRY</source>
            <comment>Button</comment>
            <extracomment>Token 5</extracomment>
            <translation>ERNEUT</translation>
        </message>
        <message>
            <source>DEFAULT</source>
            <comment>Button</comment>
            <extracomment>Token 6</extracomment>
            <translation>VORGABE</translation>
        </message>
    </context>
    <context>
        <name>Global</name>
        <message>
            <source>Kestra Toolkit</source>
            <comment>Title</comment>
            <extracomment>Token 7</extracomment>
            <translation>Kestra Toolkit</translation>
        </message>
        <message>
            <source>Page %1</source>
            <comment>Title</comment>
            <extracomment>Token 8</extracomment>
            <translation>Seite %1</translation>
        </message>
        <message>
            <source>Information</source>
            <comment>Label</comment>
            <extracomment>Token 9</extracomment>
            <translation>Hinweis</translation>
        </message>
        <message>
            <source>Warning</source>
            <comment>Label</comment>
            <extracomment>Token 10</extracomment>
            <translation>Warnung</translation>
        </message>
        <message>
            <source>Error</source>
            <comment>Label</comment>
            <extracomment>Token 11</extracomment>
            <translation>Fehler</translation>
        </message>
        <message>
            <source>Exit?</source>
            <comment>Message</comment>
            <extracomment>Token 12</extracomment>
            <translation>Beenden?</translation>
        </message>
        <message>
            <source>Initializing system ...</source>
            <comment>Label</comment>
            <extracomment>Token 13</extracomment>
            <translation>System startet ...</translation>
        </message>
        <message>
            <source>Shutting down system ...</source>
            <comment>Label</comment>
            <extracomment>Token 14</extracomment>
            <translation>System wird beendet ...</translation>
        </message>
        <message>
            <source>Data stored ...</source>
            <comment>Message</comment>
            <extracomment>Token 15</extracomment>
            <translation>Daten gespeichert ...</translation>
        </message>
        <message>
            <source>Data could not be stored!</source>
            <comment>Message</comment>
            <extracomment>Token 16</extracomment>
            <translation>Speichern fehlgeschlagen!</translation>
        </message>
        <message>
            <source>Exit?

Modifications will be ignored!</source>
            <comment>Message</comment>
            <extracomment>Token 17</extracomment>
            <translation>Beenden?

Änderungen werden verworfen!</translation>
        </message>
        <message>
            <source>A reboot is required for the
changes to take effect.

Reboot now?</source>
            <comment>Message</comment>
            <extracomment>Token 18</extracomment>
            <translation>Ein Neustart ist nötig, damit
die Änderungen wirksam werden.

Jetzt neu starten?</translation>
        </message>
    </context>
    <context>
        <name>FileUpload</name>
        <message>
            <source>No %1 file could be
found on %2!</source>
            <comment>Message</comment>
            <extracomment>Token 19</extracomment>
            <translation>Keine Datei vom Typ %1
auf %2 gefunden!</translation>
        </message>
        <message>
            <source>File name</source>
            <comment>Label</comment>
            <extracomment>Token 20</extracomment>
            <translation>Dateiname</translation>
        </message>
        <message>
            <source>Version</source>
            <comment>Label</comment>
            <extracomment>Token 21</extracomment>
            <translation>Version</translation>
        </message>
        <message>
            <source>Language</source>
            <comment>Label</comment>
            <extracomment>Tokens 22, 43</extracomment>
            <translation>Sprache</translation>
        </message>
        <message>
            <source>Date</source>
            <comment>Label</comment>
            <extracomment>Token 23</extracomment>
            <translation>Datum</translation>
        </message>
        <message>
            <source>Select File</source>
            <comment>Title</comment>
            <extracomment>Token 24</extracomment>
            <translation>Datei wählen</translation>
        </message>
        <message>
            <source>Select Language</source>
            <comment>Title</comment>
            <extracomment>Token 25</extracomment>
            <translation>Sprache wählen</translation>
        </message>
        <message>
            <source>Files of type
&quot;%1&quot;
cannot be uploaded
on this device.</source>
            <comment>Message</comment>
            <extracomment>Token 26</extracomment>
            <translation>Dateien vom Typ
&quot;%1&quot;
können auf dieses Gerät
nicht geladen werden.</translation>
        </message>
        <message>
            <source>Information</source>
            <comment>Title</comment>
            <extracomment>Token 27</extracomment>
            <translation>Hinweis</translation>
        </message>
        <message>
            <source>Uploading File '%1'...</source>
            <comment>Message</comment>
            <extracomment>Token 28</extracomment>
            <translation>Datei '%1' wird geladen...</translation>
        </message>
        <message>
            <source>Check file and try again.</source>
            <comment>Message</comment>
            <extracomment>Token 31</extracomment>
            <translation>Datei prüfen und erneut versuchen.</translation>
        </message>
        <message>
            <source>%1 is not available!</source>
            <comment>Message</comment>
            <extracomment>Token 32</extracomment>
            <translation>%1 ist nicht verfügbar!</translation>
        </message>
        <message>
            <source>Data may get lost!
Please close all other
applications before proceeding!


Proceed?</source>
            <comment>Message</comment>
            <extracomment>Token 33</extracomment>
            <translation>Daten können verloren gehen!
Bitte vor dem Fortfahren alle
anderen Anwendungen schließen!


Fortfahren?</translation>
        </message>
        <message>
            <source>Unknown</source>
            <comment>Message</comment>
            <extracomment>Token 34</extracomment>
            <translation>Unbekannt</translation>
        </message>
        <message>
            <source>Never disconnect power supply
during data transfer!

Battery capacity must be at
least 75% before starting.
Current capacity: %1
Proceed?</source>
            <comment>Message</comment>
            <extracomment>Token 35</extracomment>
            <translation>Stromversorgung während der
Datenübertragung nie trennen!

Akkukapazität muss vor dem Start
mindestens 75% betragen.
Aktuelle Kapazität: %1
Fortfahren?</translation>
        </message>
        <message>
            <source>Upload of file
%1
was successful.</source>
            <comment>Message</comment>
            <extracomment>Token 36</extracomment>
            <translation>Laden der Datei
%1
war erfolgreich.</translation>
        </message>
        <message>
            <source>Upload of file
%1
was not successful.</source>
            <comment>Message</comment>
            <extracomment>Token 37</extracomment>
            <translation>Laden der Datei
%1
war nicht erfolgreich.</translation>
        </message>
        <message>
            <source>

Battery power is too low.</source>
            <comment>Message</comment>
            <extracomment>Token 38</extracomment>
            <translation>

Akkuladung zu gering.</translation>
        </message>
        <message>
            <source>

Version conflict.</source>
            <comment>Message</comment>
            <extracomment>Token 39</extracomment>
            <translation>

Versionskonflikt.</translation>
        </message>
        <message>
            <source>

Error number: 0x%1.</source>
            <comment>Message</comment>
            <extracomment>Token 40</extracomment>
            <translation>

Fehlernummer: 0x%1.</translation>
        </message>
        <message>
            <source>SD Card</source>
            <comment>Label</comment>
            <extracomment>Token 41</extracomment>
            <translation>SD-Karte</translation>
        </message>
        <message>
            <source>Firmware</source>
            <comment>Label</comment>
            <extracomment>Token 42</extracomment>
            <translation>Firmware</translation>
        </message>
        <message>
            <source>Unsupported memory device.</source>
            <comment>Message</comment>
            <extracomment>Token 45</extracomment>
            <translation>Speichermedium nicht unterstützt.</translation>
        </message>
        <message>
            <source>Unsupported file type.</source>
            <comment>Message</comment>
            <extracomment>Token 46</extracomment>
            <translation>Dateityp nicht unterstützt.</translation>
        </message>
        <message>
            <source>File type not allowed.</source>
            <comment>Message</comment>
            <extracomment>Token 47</extracomment>
            <translation>Dateityp nicht zulässig.</translation>
        </message>
    </context>
    <context>
        <name>CommunicationSettings</name>
        <message>
            <source>COMMUNICATION SETTINGS</source>
            <comment>Title</comment>
            <extracomment>Token 48</extracomment>
            <translation>KOMMUNIKATION</translation>
        </message>
        <message>
            <source>CONF</source>
            <comment>Button</comment>
            <extracomment>Token 49</extracomment>
            <translation>KONF</translation>
        </message>
        <message>
            <source>Select the communication port</source>
            <comment>Label</comment>
            <extracomment>Token 50</extracomment>
            <translation>Schnittstelle wählen</translation>
        </message>
        <message>
            <source>RS232</source>
            <comment>Label</comment>
            <extracomment>Token 51</extracomment>
            <translation>RS232</translation>
        </message>
        <message>
            <source>Bluetooth Handle</source>
            <comment>Label</comment>
            <extracomment>Token 52</extracomment>
            <translation>Bluetooth-Handle</translation>
        </message>
        <message>
            <source>Internal Bluetooth</source>
            <comment>Label</comment>
            <extracomment>Token 53</extracomment>
            <translation>Internes Bluetooth</translation>
        </message>
        <message>
            <source>None</source>
            <comment>ComboBox</comment>
            <extracomment>Token 54</extracomment>
            <translation>Keine</translation>
        </message>
        <message>
            <source>Baudrate</source>
            <comment>Label</comment>
            <extracomment>Token 55</extracomment>
            <translation>Baudrate</translation>
        </message>
        <message>
            <source>Odd</source>
            <comment>ComboBox</comment>
            <extracomment>Token 56</extracomment>
            <translation>Ungerade</translation>
        </message>
        <message>
            <source>Even</source>
            <comment>ComboBox</comment>
            <extracomment>Token 57</extracomment>
            <translation>Gerade</translation>
        </message>
        <message>
            <source>Parity</source>
            <comment>Label</comment>
            <extracomment>Token 58</extracomment>
            <translation>Parität</translation>
        </message>
        <message>
            <source>Data bits</source>
            <comment>Label</comment>
            <extracomment>Token 59</extracomment>
            <translation>Datenbits</translation>
        </message>
        <message>
            <source>Stop bits</source>
            <comment>Label</comment>
            <extracomment>Token 60</extracomment>
            <translation>Stoppbits</translation>
        </message>
        <message>
            <source>RTS/CTS</source>
            <comment>ComboBox</comment>
            <extracomment>Token 61</extracomment>
            <translation>RTS/CTS</translation>
        </message>
        <message>
            <source>Flow control</source>
            <comment>Label</comment>
            <extracomment>Token 62</extracomment>
            <translation>Flusssteuerung</translation>
        </message>
        <message>
            <source>Pin</source>
            <comment>Label</comment>
            <extracomment>Token 63</extracomment>
            <translation>PIN</translation>
        </message>
    </context>
    <context>
        <name>UnitSettings</name>
        <message>
            <source>UNIT SETTINGS</source>
            <comment>Title</comment>
            <extracomment>Token 64</extracomment>
            <translation>EINHEITEN</translation>
        </message>
        <message>
            <source>Angle</source>
            <comment>Label</comment>
            <extracomment>Token 65</extracomment>
            <translation>Winkel</translation>
        </message>
        <message>
            <source>Distance</source>
            <comment>Label</comment>
            <extracomment>Token 66</extracomment>
            <translation>Distanz</translation>
        </message>
        <message>
            <source>Temperature</source>
            <comment>Label</comment>
            <extracomment>Token 67</extracomment>
            <translation>Temperatur</translation>
        </message>
        <message>
            <source>Pressure</source>
            <comment>Label</comment>
            <extracomment>Token 68</extracomment>
            <translation>Druck</translation>
        </message>
        <message>
            <source>meter</source>
            <comment>Label</comment>
            <extracomment>Token 69</extracomment>
            <translation>Meter</translation>
        </message>
        <message>
            <source>US-ft</source>
            <comment>Label</comment>
            <extracomment>Token 70</extracomment>
            <translation>US-ft</translation>
        </message>
        <message>
            <source>INT-ft</source>
            <comment>Label</comment>
            <extracomment>Token 71</extracomment>
            <translation>INT-ft</translation>
        </message>
        <message>
            <source>Ft-in/16</source>
            <comment>Label</comment>
            <extracomment>Token 72</extracomment>
            <translation>Ft-in/16</translation>
        </message>
        <message>
            <source>gon</source>
            <comment>Label</comment>
            <extracomment>Token 73</extracomment>
            <translation>gon</translation>
        </message>
        <message>
            <source>deg</source>
            <comment>Label</comment>
            <extracomment>Token 74</extracomment>
            <translation>Grad</translation>
        </message>
        <message>
            <source>mil</source>
            <comment>Label</comment>
            <extracomment>Token 75</extracomment>
            <translation>mil</translation>
        </message>
        <message>
            <source>%1'&quot;</source>
            <comment>Label</comment>
            <extracomment>Token 76</extracomment>
            <translation>%1'&quot;</translation>
        </message>
        <message>
            <source>%1C</source>
            <comment>Label</comment>
            <extracomment>Token 77</extracomment>
            <translation>%1C</translation>
        </message>
        <message>
            <source>%1F</source>
            <comment>Label</comment>
            <extracomment>Token 78</extracomment>
            <translation>%1F</translation>
        </message>
        <message>
            <source>hPa</source>
            <comment>Label</comment>
            <extracomment>Token 79</extracomment>
            <translation>hPa</translation>
        </message>
        <message>
            <source>mbar</source>
            <comment>Label</comment>
            <extracomment>Token 80</extracomment>
            <translation>mbar</translation>
        </message>
        <message>
            <source>mmHg</source>
            <comment>Label</comment>
            <extracomment>Token 81</extracomment>
            <translation>mmHg</translation>
        </message>
        <message>
            <source>inHg</source>
            <comment>Label</comment>
            <extracomment>Token 82</extracomment>
            <translation>inHg</translation>
        </message>
    </context>
    <context>
        <name>DateTimeSettings</name>
        <message>
            <source>DATE / TIME</source>
            <comment>Title</comment>
            <extracomment>Token 83</extracomment>
            <translation>DATUM / ZEIT</translation>
        </message>
        <message>
            <source>Time (24h)</source>
            <comment>Label</comment>
            <extracomment>Token 84</extracomment>
            <translation>Zeit (24h)</translation>
        </message>
        <message>
            <source>Date</source>
            <comment>Label</comment>
            <extracomment>Token 85</extracomment>
            <translation>Datum</translation>
        </message>
        <message>
            <source>Format</source>
            <comment>Label</comment>
            <extracomment>Token 86</extracomment>
            <translation>Format</translation>
        </message>
        <message>
            <source>dd.mm.yyyy</source>
            <comment>CBox</comment>
            <extracomment>Token 87</extracomment>
            <translation>TT.MM.JJJJ</translation>
        </message>
        <message>
            <source>mm.dd.yyyy</source>
            <comment>CBox</comment>
            <extracomment>Token 88</extracomment>
            <translation>MM.TT.JJJJ</translation>
        </message>
        <message>
            <source>yyyy.mm.dd</source>
            <comment>CBox</comment>
            <extracomment>Token 89</extracomment>
            <translation>JJJJ.MM.TT</translation>
        </message>
    </context>
    <context>
        <name>AtmosphericSettings</name>
        <message>
            <source>ATMOSPHERIC SETTINGS</source>
            <comment>Title</comment>
            <extracomment>Token 90</extracomment>
            <translation>ATMOSPHÄRISCHE DATEN</translation>
        </message>
        <message>
            <source>Z (MSL)</source>
            <comment>Label</comment>
            <extracomment>Token 91</extracomment>
            <translation>Höhe ü. NN</translation>
        </message>
        <message>
            <source>Temperature</source>
            <comment>Label</comment>
            <extracomment>Token 92</extracomment>
            <translation>Temperatur</translation>
        </message>
        <message>
            <source>Pressure</source>
            <comment>Label</comment>
            <extracomment>Token 93</extracomment>
            <translation>Druck</translation>
        </message>
        <message>
            <source>Humidity</source>
            <comment>Label</comment>
            <extracomment>Token 94</extracomment>
            <translation>Luftfeuchte</translation>
        </message>
        <message>
            <source>Atmos PPM</source>
            <comment>Label</comment>
            <extracomment>Token 95</extracomment>
            <translation>Atmos. ppm</translation>
        </message>
        <message>
            <source>Refr. Coeff</source>
            <comment>Label</comment>
            <extracomment>Token 96</extracomment>
            <translation>Refr.-Koeff.</translation>
        </message>
        <message>
            <source>Use Refr. C.</source>
            <comment>Label</comment>
            <extracomment>Token 97</extracomment>
            <translation>Refr.-Korr.</translation>
        </message>
        <message>
            <source>Yes</source>
            <comment>CBox</comment>
            <extracomment>Token 98</extracomment>
            <translation>Ja</translation>
        </message>
        <message>
            <source>No</source>
            <comment>CBox</comment>
            <extracomment>Token 99</extracomment>
            <translation>Nein</translation>
        </message>
    </context>
    <context>
        <name>Level</name>
        <message>
            <source>LEVEL UP</source>
            <comment>Title</comment>
            <extracomment>Token 100</extracomment>
            <translation>HORIZONTIEREN</translation>
        </message>
        <message>
            <source>Plummet</source>
            <comment>Label</comment>
            <extracomment>Token 101</extracomment>
            <translation>Laserlot</translation>
        </message>
        <message>
            <source>L</source>
            <comment>Label</comment>
            <extracomment>Token 102</extracomment>
            <translation>L</translation>
        </message>
        <message>
            <source>T</source>
            <comment>Label</comment>
            <extracomment>Token 103</extracomment>
            <translation>T</translation>
        </message>
    </context>
    <context>
        <name>Calibration</name>
        <message>
            <source>View Adjustment Data</source>
            <comment>Title</comment>
            <extracomment>Token 104</extracomment>
            <translation>Justierdaten anzeigen</translation>
        </message>
        <message>
            <source>Comp. L error</source>
            <comment>Label</comment>
            <extracomment>Token 105</extracomment>
            <translation>Komp. L-Fehler</translation>
        </message>
        <message>
            <source>Comp. T error</source>
            <comment>Label</comment>
            <extracomment>Token 106</extracomment>
            <translation>Komp. T-Fehler</translation>
        </message>
        <message>
            <source>V. index error</source>
            <comment>Label</comment>
            <extracomment>Token 107</extracomment>
            <translation>V-Indexfehler</translation>
        </message>
        <message>
            <source>L.O.S. error</source>
            <comment>Label</comment>
            <extracomment>Token 108</extracomment>
            <translation>Ziellinienfehler</translation>
        </message>
        <message>
            <source>Tilt axis error</source>
            <comment>Label</comment>
            <extracomment>Token 109</extracomment>
            <translation>Kippachsfehler</translation>
        </message>
        <message>
            <source>Calibration: Step %1</source>
            <comment>Title</comment>
            <extracomment>Token 110</extracomment>
            <translation>Kalibrierung: Schritt %1</translation>
        </message>
        <message>
            <source>Aim at target 100m away
%1 10%2 from horizontal angle.</source>
            <comment>Label</comment>
            <extracomment>Token 111</extracomment>
            <translation>Ziel in 100m Abstand anzielen
%1 10%2 zur Horizontalen.</translation>
        </message>
        <message>
            <source>Aim at target 100m away
%1 27%2 from horizontal angle.</source>
            <comment>Label</comment>
            <extracomment>Token 112</extracomment>
            <translation>Ziel in 100m Abstand anzielen
%1 27%2 zur Horizontalen.</translation>
        </message>
        <message>
            <source>Measurement %1: Face %2</source>
            <comment>Label</comment>
            <extracomment>Token 113</extracomment>
            <translation>Messung %1: Lage %2</translation>
        </message>
        <message>
            <source>Hz</source>
            <comment>Label</comment>
            <extracomment>Token 114</extracomment>
            <translation>Hz</translation>
        </message>
        <message>
            <source>V</source>
            <comment>Label</comment>
            <extracomment>Token 115</extracomment>
            <translation>V</translation>
        </message>
        <message>
            <source>Aim the telescope accurately at a
target at about 100 m distance.
The target must be positioned within
%1 9%2/%3 10 gon of the horizontal
plane. Start the procedure in
telescope face one. Press OK (F6) to
measure and continue to the next
step. Motorized instruments change
automatically to face one.</source>
            <comment>Message</comment>
            <extracomment>Token 116</extracomment>
            <translation>Fernrohr genau auf ein Ziel in ca.
100 m Entfernung richten. Das Ziel
muss innerhalb von %1 9%2/%3 10 gon
zur Horizontalen liegen. Den Ablauf
in Fernrohrlage I beginnen. OK (F6)
drücken, um zu messen und zum
nächsten Schritt zu gehen.
Motorisierte Instrumente wechseln
automatisch in Lage I.</translation>
        </message>
        <message>
            <source>Aim the telescope accurately at a
target at about 100 m distance or
less if not possible. The target
must be positioned at least
27%1/30 gon above or beneath the
horizontal plane. Press OK (F6) to
measure and continue to the next
step. Motorized instruments change
automatically to the other face.</source>
            <comment>Message</comment>
            <extracomment>Token 117</extracomment>
            <translation>Fernrohr genau auf ein Ziel in ca.
100 m Entfernung richten (oder
näher, falls nicht möglich). Das
Ziel muss mindestens 27%1/30 gon
über oder unter der Horizontalen
liegen. OK (F6) drücken, um zu
messen und zum nächsten Schritt zu
gehen. Motorisierte Instrumente
wechseln autom. die Fernrohrlage.</translation>
        </message>
        <message>
            <source>Out of level!
Redo procedure?</source>
            <comment>Message</comment>
            <extracomment>Token 118</extracomment>
            <translation>Nicht horizontiert!
Vorgang wiederholen?</translation>
        </message>
        <message>
            <source>Results</source>
            <comment>Title</comment>
            <extracomment>Token 119</extracomment>
            <translation>Ergebnisse</translation>
        </message>
        <message>
            <source>Old</source>
            <comment>Label</comment>
            <extracomment>Token 120</extracomment>
            <translation>Alt</translation>
        </message>
        <message>
            <source>Trevo calibration was updated</source>
            <comment>Label</comment>
            <extracomment>Token 121</extracomment>
            <translation>Trevo-Kalibr. aktualisiert</translation>
        </message>
        <message>
            <source>Trevo calibration was not updated</source>
            <comment>Label</comment>
            <extracomment>Token 122</extracomment>
            <translation>Trevo-Kalibr. nicht aktualisiert</translation>
        </message>
        <message>
            <source>Compensator index error</source>
            <comment>Message</comment>
            <extracomment>Token 123</extracomment>
            <translation>Kompensator-Indexfehler</translation>
        </message>
        <message>
            <source>Tilting axis error</source>
            <comment>Message</comment>
            <extracomment>Token 124</extracomment>
            <translation>Kippachsfehler</translation>
        </message>
        <message>
            <source>V index error</source>
            <comment>Message</comment>
            <extracomment>Token 125</extracomment>
            <translation>V-Indexfehler</translation>
        </message>
        <message>
            <source>Hz collimation error</source>
            <comment>Message</comment>
            <extracomment>Token 126</extracomment>
            <translation>Hz-Kollimationsfehler</translation>
        </message>
        <message>
            <source>Trevo collimation error</source>
            <comment>Message</comment>
            <extracomment>Token 127</extracomment>
            <translation>Trevo-Kollimationsfehler</translation>
        </message>
        <message>
            <source>%1
error &gt; %2.

Repeat measurement.

If frequently reported
contact Customer Support.</source>
            <comment>Message</comment>
            <extracomment>Token 128</extracomment>
            <translation>%1
Fehler &gt; %2.

Messung wiederholen.

Bei häufigem Auftreten
den Kundendienst kontaktieren.</translation>
        </message>
        <message>
            <source>Automatic target aiming accuracy
not achieved because of unstable
target air shimmer or bad
measurement conditions.
</source>
            <comment>Message</comment>
            <extracomment>Token 129</extracomment>
            <translation>Genauigkeit der autom. Zielerfassung
nicht erreicht: Ziel instabil,
Luftflimmern oder schlechte
Messbedingungen.
</translation>
        </message>
        <message>
            <source>Prism could not be detected. Ambient
light too bright or too many light
reflections in telescope's field
of view. If possible move reflector
to different position.
</source>
            <comment>Message</comment>
            <extracomment>Token 130</extracomment>
            <translation>Prisma nicht erkannt. Umgebungslicht
zu hell oder zu viele Lichtreflexe
im Sehfeld des Fernrohrs. Wenn
möglich Reflektor an eine andere
Position stellen.
</translation>
        </message>
        <message>
            <source>No prism found or bad conditions.

Repeat measurement.</source>
            <comment>Message</comment>
            <extracomment>Token 131</extracomment>
            <translation>Kein Prisma/schlechte Bedingungen.

Messung wiederholen.</translation>
        </message>
        <message>
            <source>Unknown Error.

Error ID: %1 %2

Submit Error ID &amp; details of
current survey procedure being
performed to Customer Support
if frequently reported.</source>
            <comment>Message</comment>
            <extracomment>Token 132</extracomment>
            <translation>Unbekannter Fehler.

Fehler-ID: %1 %2

Bei häufigem Auftreten Fehler-ID
und Details des laufenden
Messablaufs an den Kundendienst
senden.</translation>
        </message>
        <message>
            <source>Compensator is not stable.

Instrument must be stable to run
adjustment - ensure instrument
 is free from any vibrations.</source>
            <comment>Message</comment>
            <extracomment>Token 133</extracomment>
            <translation>Kompensator ist nicht stabil.

Instrument muss für die Justierung
stabil stehen - sicherstellen, dass
es frei von Vibrationen ist.</translation>
        </message>
        <message>
            <source>Invalid vertical angle.

Valid range is:
</source>
            <comment>Message</comment>
            <extracomment>Token 134</extracomment>
            <translation>Ungültiger Vertikalwinkel.

Gültiger Bereich:
</translation>
        </message>
        <message>
            <source>%1 &lt; V &lt; %2
</source>
            <comment>Message</comment>
            <extracomment>Token 135</extracomment>
            <translation>%1 &lt; V &lt; %2
</translation>
        </message>
        <message>
            <source>High Pt: %1 to %2
</source>
            <comment>Message</comment>
            <extracomment>Token 136</extracomment>
            <translation>Hochpkt: %1 bis %2
</translation>
        </message>
        <message>
            <source>High pt: %1 to %2
         %3 to %4
</source>
            <comment>Message</comment>
            <extracomment>Token 137</extracomment>
            <translation>Hochpkt: %1 bis %2
         %3 bis %4
</translation>
        </message>
        <message>
            <source>Low Pt:  %1 to %2
</source>
            <comment>Message</comment>
            <extracomment>Token 138</extracomment>
            <translation>Tiefpkt: %1 bis %2
</translation>
        </message>
        <message>
            <source>Low pt:  %1 to %2
         %3 to %4
</source>
            <comment>Message</comment>
            <extracomment>Token 139</extracomment>
            <translation>Tiefpkt: %1 bis %2
         %3 bis %4
</translation>
        </message>
        <message>
            <source>Measuring ...</source>
            <comment>Message</comment>
            <extracomment>Token 140</extracomment>
            <translation>Messung läuft ...</translation>
        </message>
    </context>
    <context>
        <name>System information</name>
        <message>
            <source>SYSTEM INFO</source>
            <comment>Title</comment>
            <extracomment>Token 141</extracomment>
            <translation>SYSTEMINFO</translation>
        </message>
        <message>
            <source>Instrument Model</source>
            <comment>Label</comment>
            <extracomment>Token 142</extracomment>
            <translation>Instrumententyp</translation>
        </message>
        <message>
            <source>Serial Number</source>
            <comment>Label</comment>
            <extracomment>Token 143</extracomment>
            <translation>Seriennummer</translation>
        </message>
        <message>
            <source>Equipment Number</source>
            <comment>Label</comment>
            <extracomment>Token 144</extracomment>
            <translation>Gerätenummer</translation>
        </message>
        <message>
            <source>Boot Version</source>
            <comment>Label</comment>
            <extracomment>Token 145</extracomment>
            <translation>Boot-Version</translation>
        </message>
        <message>
            <source>EFI Version</source>
            <comment>Label</comment>
            <extracomment>Token 146</extracomment>
            <translation>EFI-Version</translation>
        </message>
        <message>
            <source>SB Version</source>
            <comment>Label</comment>
            <extracomment>Token 147</extracomment>
            <translation>SB-Version</translation>
        </message>
        <message>
            <source>EDM Version</source>
            <comment>Label</comment>
            <extracomment>Token 148</extracomment>
            <translation>EDM-Version</translation>
        </message>
        <message>
            <source>Standard EDM</source>
            <comment>Label</comment>
            <extracomment>Token 149</extracomment>
            <translation>Standard-EDM</translation>
        </message>
        <message>
            <source>Long Range EDM</source>
            <comment>Label</comment>
            <extracomment>Token 150</extracomment>
            <translation>Langstrecken-EDM</translation>
        </message>
        <message>
            <source>KDM Version</source>
            <comment>Label</comment>
            <extracomment>Token 151</extracomment>
            <translation>KDM-Version</translation>
        </message>
        <message>
            <source>OVC Version</source>
            <comment>Label</comment>
            <extracomment>Token 152</extracomment>
            <translation>OVC-Version</translation>
        </message>
        <message>
            <source>Angle Accuracy</source>
            <comment>Label</comment>
            <extracomment>Token 153</extracomment>
            <translation>Winkelgenauigkeit</translation>
        </message>
        <message>
            <source>Trevo360</source>
            <comment>Label</comment>
            <extracomment>Token 154</extracomment>
            <translation>Trevo360</translation>
        </message>
        <message>
            <source>EDM</source>
            <comment>Label</comment>
            <extracomment>Token 155</extracomment>
            <translation>EDM</translation>
        </message>
        <message>
            <source>Vantis360</source>
            <comment>Label</comment>
            <extracomment>Token 156</extracomment>
            <translation>Vantis360</translation>
        </message>
        <message>
            <source>Imaging</source>
            <comment>Label</comment>
            <extracomment>Token 157</extracomment>
            <translation>Bildgebung</translation>
        </message>
        <message>
            <source>Video</source>
            <comment>Label</comment>
            <extracomment>Token 158</extracomment>
            <translation>Video</translation>
        </message>
        <message>
            <source>Overview Camera</source>
            <comment>Label</comment>
            <extracomment>Token 159</extracomment>
            <translation>Übersichtskamera</translation>
        </message>
        <message>
            <source>WinCE Version</source>
            <comment>Label</comment>
            <extracomment>Token 160</extracomment>
            <translation>WinCE-Version</translation>
        </message>
        <message>
            <source>Kestra Toolkit</source>
            <comment>Label</comment>
            <extracomment>Token 161</extracomment>
            <translation>Kestra Toolkit</translation>
        </message>
        <message>
            <source>Extended Robotic</source>
            <comment>Label</comment>
            <extracomment>Token 162</extracomment>
            <translation>Erweiterte Robotik</translation>
        </message>
        <message>
            <source>Virtual Robotic</source>
            <comment>Label</comment>
            <extracomment>Token 163</extracomment>
            <translation>Virtuelle Robotik</translation>
        </message>
        <message>
            <source>Production Flag</source>
            <comment>Label</comment>
            <extracomment>Token 164</extracomment>
            <translation>Produktionsflag</translation>
        </message>
        <message>
            <source>Legal</source>
            <comment>Label</comment>
            <extracomment>Token 165</extracomment>
            <translation>Lizenz</translation>
        </message>
        <message>
            <source>File: %1
 is not available!</source>
            <comment>Message</comment>
            <extracomment>Token 166</extracomment>
            <translation>Datei: %1
 ist nicht verfügbar!</translation>
        </message>
    </context>
    <context>
        <name>Format</name>
        <message>
            <source>SD Card</source>
            <comment>Label</comment>
            <extracomment>Token 167</extracomment>
            <translation>SD-Karte</translation>
        </message>
        <message>
            <source>System</source>
            <comment>Label</comment>
            <extracomment>Token 168</extracomment>
            <translation>System</translation>
        </message>
        <message>
            <source>Data may get lost!
Please close all other
applications before proceeding!


Proceed?</source>
            <comment>Message</comment>
            <extracomment>Token 169</extracomment>
            <translation>Daten können verloren gehen!
Bitte vor dem Fortfahren alle
anderen Anwendungen schließen!


Fortfahren?</translation>
        </message>
        <message>
            <source>Unknown</source>
            <comment>Message</comment>
            <extracomment>Token 170</extracomment>
            <translation>Unbekannt</translation>
        </message>
        <message>
            <source>Never disconnect power supply
during format!

Battery capacity must be at
least 75% before starting.
Current capacity: %1
Proceed?</source>
            <comment>Message</comment>
            <extracomment>Token 171</extracomment>
            <translation>Stromversorgung während des
Formatierens nie trennen!

Akkukapazität muss vor dem Start
mindestens 75% betragen.
Aktuelle Kapazität: %1
Fortfahren?</translation>
        </message>
        <message>
            <source>Formatting...
This may take a few minutes.</source>
            <comment>Message</comment>
            <extracomment>Token 172</extracomment>
            <translation>Formatieren...
Dies kann einige Minuten dauern.</translation>
        </message>
        <message>
            <source>%1 is not available!</source>
            <comment>Message</comment>
            <extracomment>Token 173</extracomment>
            <translation>%1 ist nicht verfügbar!</translation>
        </message>
        <message>
            <source>Format completed!</source>
            <comment>Message</comment>
            <extracomment>Token 174</extracomment>
            <translation>Formatieren abgeschlossen!</translation>
        </message>
        <message>
            <source>Formatting was not successful.</source>
            <comment>Message</comment>
            <extracomment>Token 175</extracomment>
            <translation>Formatieren fehlgeschlagen.</translation>
        </message>
        <message>
            <source>

Battery power is too low.</source>
            <comment>Message</comment>
            <extracomment>Token 176</extracomment>
            <translation>

Akkuladung zu gering.</translation>
        </message>
        <message>
            <source>

Error number: 0x%1.</source>
            <comment>Message</comment>
            <extracomment>Token 177</extracomment>
            <translation>

Fehlernummer: 0x%1.</translation>
        </message>
    </context>
    <context>
        <name>Menu</name>
        <message>
            <source>MAIN MENU</source>
            <comment>Title</comment>
            <extracomment>Token 178</extracomment>
            <translation>HAUPTMENÜ</translation>
        </message>
        <message>
            <source>Level</source>
            <comment>Label</comment>
            <extracomment>Token 179</extracomment>
            <translation>Libelle</translation>
        </message>
        <message>
            <source>Sysinfo</source>
            <comment>Label</comment>
            <extracomment>Token 180</extracomment>
            <translation>Sys.-Info</translation>
        </message>
        <message>
            <source>SETTINGS</source>
            <comment>Title</comment>
            <extracomment>Token 181</extracomment>
            <translation>EINSTELLUNGEN</translation>
        </message>
        <message>
            <source>Settings</source>
            <comment>Label</comment>
            <extracomment>Token 182</extracomment>
            <translation>Einstell.</translation>
        </message>
        <message>
            <source>APPS</source>
            <comment>Title</comment>
            <extracomment>Token 183</extracomment>
            <translation>PROGRAMME</translation>
        </message>
        <message>
            <source>Apps</source>
            <comment>Label</comment>
            <extracomment>Token 184</extracomment>
            <translation>Programme</translation>
        </message>
        <message>
            <source>Unit</source>
            <comment>Label</comment>
            <extracomment>Token 185</extracomment>
            <translation>Einheiten</translation>
        </message>
        <message>
            <source>Date/Time</source>
            <comment>Label</comment>
            <extracomment>Token 186</extracomment>
            <translation>Dat./Zeit</translation>
        </message>
        <message>
            <source>Comm.</source>
            <comment>Label</comment>
            <extracomment>Token 187</extracomment>
            <translation>Komm.</translation>
        </message>
        <message>
            <source>Atmos.</source>
            <comment>Label</comment>
            <extracomment>Token 188</extracomment>
            <translation>Atmosph.</translation>
        </message>
        <message>
            <source>UPDATE</source>
            <comment>Title</comment>
            <extracomment>Token 189</extracomment>
            <translation>UPDATE</translation>
        </message>
        <message>
            <source>Update</source>
            <comment>Label</comment>
            <extracomment>Token 190</extracomment>
            <translation>Update</translation>
        </message>
        <message>
            <source>CALIBRATION</source>
            <comment>Title</comment>
            <extracomment>Token 191</extracomment>
            <translation>KALIBRIERUNG</translation>
        </message>
        <message>
            <source>Calib.</source>
            <comment>Label</comment>
            <extracomment>Token 192</extracomment>
            <translation>Kalibr.</translation>
        </message>
        <message>
            <source>FORMAT</source>
            <comment>Title</comment>
            <extracomment>Token 193</extracomment>
            <translation>FORMATIEREN</translation>
        </message>
        <message>
            <source>Format</source>
            <comment>Label</comment>
            <extracomment>Token 194</extracomment>
            <translation>Format.</translation>
        </message>
        <message>
            <source>Firmware</source>
            <comment>Label</comment>
            <extracomment>Token 195</extracomment>
            <translation>Firmware</translation>
        </message>
        <message>
            <source>Language</source>
            <comment>Label</comment>
            <extracomment>Token 196</extracomment>
            <translation>Sprache</translation>
        </message>
        <message>
            <source>Calibrate All</source>
            <comment>Label</comment>
            <extracomment>Token 198</extracomment>
            <translation>Alles kalibrieren</translation>
        </message>
        <message>
            <source>Calibrate without Trevo</source>
            <comment>Label</comment>
            <extracomment>Token 199</extracomment>
            <translation>Kalibrieren ohne Trevo</translation>
        </message>
        <message>
            <source>View Adjustment Data</source>
            <comment>Label</comment>
            <extracomment>Token 200</extracomment>
            <translation>Justierdaten anzeigen</translation>
        </message>
        <message>
            <source>System</source>
            <comment>Label</comment>
            <extracomment>Token 201</extracomment>
            <translation>System</translation>
        </message>
        <message>
            <source>SD Card</source>
            <comment>Label</comment>
            <extracomment>Token 202</extracomment>
            <translation>SD-Karte</translation>
        </message>
    </context>
</TS>
