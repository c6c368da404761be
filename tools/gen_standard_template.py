#!/usr/bin/env python3
"""Generates data/templates/Standard.LT3, the template shipped with the
program: five language tables (English, German, Spanish in font 1, Russian in
font 2, Korean in the two-byte font 5) with named script menus 80-95 for a
CCTV control room.

    python3 tools/gen_standard_template.py [OUTPUT]

Every text is checked against the keyboard font of its table (read from
src/core/model/font_tables_generated.cpp) and against its field width, so the
file never holds a character its table cannot show.

The file is UTF-16LE with byte order mark FF FE and CR LF line ends.

Actions (entry bytes 31-35): kind 1 = link, value A = target menu; kind 2 =
macro, low byte of value A = macro type ("0" CCL, "1" off, "5" camera, "6"
monitor); for CCL macros the number is split into number // 10000 (high byte
of A) and number % 10000 (value B); for the other types the number is the
high byte of A.
"""

import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.join(HERE, "..")

# (key, friendly name, font, Windows language identifier, language ID)
LANGUAGES = [
    ("en", "English", 1, 1033, 0),
    ("de", "Deutsch", 1, 1031, 1),
    ("es", "Espa\u00f1ol", 1, 3082, 2),
    ("ru", "\u0420\u0443\u0441\u0441\u043a\u0438\u0439", 2, 1049, 3),
    ("ko", "한국어", 5, 1042, 4),
]

LINK, CCL, OFF, CAMERA, MONITOR = "link", "ccl", "off", "camera", "monitor"
MACRO_TYPE = {CCL: ord("0"), OFF: ord("1"), CAMERA: ord("5"), MONITOR: ord("6")}
ACTION_KIND_LINK = 1
ACTION_KIND_MACRO = 2
MAIN_MENU = 80
ENTRIES = 14

# Short texts for the entry lines: en, de, es, ru (10 characters), ko (4).
T = {
    "cctv": ("CCTV", "CCTV", "CCTV", "CCTV", "CCTV"),
    "scripts": ("Scripts", "Skripte", "Guiones", "Сценарии", "CCL"),
    "select": ("Select", "Gruppe", "Elegir", "Выбор", "全"),
    "group": ("a Group", "wählen", "grupo", "группы", "CCL"),
    "back": ("<< Back", "<< Zurück", "<< Volver", "<< Назад", "回"),
    "main": ("Main Menu", "Hauptmenü", "Principal", "Главное", "中央"),
    "camera": ("Camera", "Kamera", "Cámara", "Камера", "CAM"),
    "cameras": ("Cameras", "Kameras", "Cámaras", "Камеры", "CAM"),
    "monitor": ("Monitor", "Monitor", "Monitor", "Монитор", "MON"),
    "monitors": ("Monitors", "Monitore", "Monitores", "Мониторы", "MON"),
    "off": ("Off", "Aus", "Apagar", "Выкл.", "끄기"),
    "on": ("On", "Ein", "Encender", "Вкл.", "ON"),
    "patrol": ("Patrol", "Rundgang", "Patrulla", "Патруль", "巡回"),
    "tours": ("Tours", "Touren", "Rondas", "Обходы", "TOUR"),
    "tour": ("Tour", "Tour", "Ronda", "Обход", "巡回"),
    "alarms": ("Alarms", "Alarme", "Alarmas", "Тревоги", "경고"),
    "alarm": ("Alarm", "Alarm", "Alarma", "Тревога", "경고"),
    "handling": ("Handling", "Behandlung", "Gestión", "Обработка", "管?"),
    "presets": ("Presets", "Presets", "Presets", "Пресеты", "PRE"),
    "preset": ("Preset", "Preset", "Preset", "Пресет", "PRE"),
    "home": ("Home", "Grund-", "Posición", "Исходная", "本"),
    "position": ("Position", "stellung", "inicial", "позиция", "POS"),
    "lobby": ("Lobby", "Foyer", "Vestíbulo", "Фойе", "1F"),
    "carpark": ("Car Park", "Parkhaus", "Parking", "Парковка", "地下"),
    "perimeter": ("Perimeter", "Gelände", "Perímetro", "Периметр", "外"),
    "night": ("Night", "Nacht", "Noche", "Ночь", "夜"),
    "day": ("Day", "Tag", "Día", "День", "낮"),
    "mode": ("Mode", "Modus", "Modo", "Режим", "MODE"),
    "recorders": ("Recorders", "Rekorder", "Grabadores", "Запись", "REC"),
    "service": ("Service", "Wartung", "Servicio", "Сервис", "SVC"),
    "quick": ("Quick", "Schnell-", "Llamadas", "Быстрый", "CALL"),
    "calls": ("Calls", "aufrufe", "rápidas", "вызов", "快"),
    "operator": ("Operator", "Bediener", "Operador", "Оператор", "手"),
    "tools": ("Tools", "Werkzeuge", "Utilidades", "Функции", "工"),
    "engineer": ("Engineer", "Techniker", "Técnico", "Инженер", "工"),
    "setup": ("Setup", "Setup", "Ajustes", "Настройка", "SET"),
    "entrance": ("Entrance", "Eingang", "Entrada", "Вход", "入口"),
    "exit": ("Exit", "Ausgang", "Salida", "Выход", "出口"),
    "northgate": ("North Gate", "Nordtor", "Puerta N", "Сев.ворота", "北口"),
    "westgate": ("West Gate", "Westtor", "Puerta O", "Зап.ворота", "西口"),
    "vault": ("Vault", "Tresor", "Bóveda", "Хранилище", "금고"),
    "shop": ("Shop", "Laden", "Tienda", "Магазин", "가게"),
    "roof": ("Roof", "Dach", "Tejado", "Крыша", "上"),
    "fence": ("Fence", "Zaun", "Valla", "Забор", "外"),
    "stairs": ("Stairs", "Treppe", "Escalera", "Лестница", "STEP"),
    "lift": ("Lift", "Aufzug", "Ascensor", "Лифт", "LIFT"),
    "office": ("Office", "Büro", "Oficina", "Офис", "所"),
    "dock": ("Dock", "Rampe", "Muelle", "Рампа", "DOCK"),
    "reception": ("Reception", "Empfang", "Recepción", "Ресепшн", "中央"),
    "wall": ("Wall", "Wand", "Pared", "Стена", "W"),
    "desk": ("Desk", "Pult", "Mesa", "Пульт", "D"),
    "spot": ("Spot", "Spot", "Spot", "Спот", "SPOT"),
    "guard": ("Guard", "Wache", "Guardia", "Охрана", "守"),
    "stop": ("Stop", "Stopp", "Parar", "Стоп", "中止"),
    "all": ("All", "Alle", "Todo", "Все", "全"),
    "ack": ("Acknowl.", "Quittieren", "Confirmar", "Квитир.", "OK"),
    "reset": ("Reset", "Rücksetzen", "Reiniciar", "Сброс", "RST"),
    "show": ("Show", "Zeigen", "Mostrar", "Показать", "目"),
    "silence": ("Silence", "Stumm", "Silenciar", "Тишина", "MUTE"),
    "siren": ("Siren", "Sirene", "Sirena", "Сирена", "SIRN"),
    "arm": ("Arm", "Scharf", "Armar", "Охрана", "ARM"),
    "disarm": ("Disarm", "Unscharf", "Desarmar", "Снять", "DARM"),
    "zone": ("Zone", "Zone", "Zona", "Зона", "Z"),
    "history": ("History", "Verlauf", "Historial", "История", "LOG"),
    "test": ("Test", "Test", "Prueba", "Тест", "검"),
    "lock": ("Lock", "Sperren", "Bloquear", "Закрыть", "LOCK"),
    "unlock": ("Unlock", "Entsperren", "Abrir", "Открыть", "OPEN"),
    "doors": ("Doors", "Türen", "Puertas", "Двери", "DOOR"),
    "lights": ("Lights", "Licht", "Luces", "Свет", "光"),
    "flood": ("Floodlight", "Flutlicht", "Focos", "Прожектор", "光"),
    "record": ("Record", "Aufnahme", "Grabar", "Запись", "REC"),
    "playback": ("Playback", "Wiedergabe", "Reproducir", "Просмотр", "PLAY"),
    "last5": ("Last 5 min", "Letzte 5m", "Últ. 5 min", "Посл.5мин", "5MIN"),
    "search": ("Search", "Suchen", "Buscar", "Поиск", "검"),
    "export": ("Export", "Export", "Exportar", "Экспорт", "EXP"),
    "clip": ("Clip", "Clip", "Clip", "Клип", "CLIP"),
    "wiper": ("Wiper", "Wischer", "Limpiador", "Дворник", "WIPE"),
    "washer": ("Washer", "Waschanl.", "Lavador", "Омыватель", "WASH"),
    "lamp": ("IR Lamp", "IR-Lampe", "Lámpara IR", "ИК-лампа", "IR"),
    "heater": ("Heater", "Heizung", "Calefactor", "Обогрев", "火"),
    "focus": ("Focus", "Fokus", "Enfoque", "Фокус", "FOC"),
    "iris": ("Iris", "Blende", "Iris", "Диафрагма", "IRIS"),
    "auto": ("Auto", "Auto", "Auto", "Авто", "自"),
    "reboot": ("Reboot", "Neustart", "Reiniciar", "Перезапуск", "BOOT"),
    "sync": ("Sync", "Sync", "Sincron.", "Синхр.", "SYNC"),
    "time": ("Time", "Zeit", "Hora", "Время", "日"),
    "to": ("to", "auf", "a", "на", ">"),
    "take": ("Take", "Über-", "Tomar", "Взять", "手"),
    "control": ("Control", "nehmen", "control", "управл.", "CTRL"),
    "release": ("Release", "Freigeben", "Liberar", "Отдать", "FREE"),
    "keyboard": ("Keyboard", "Tastatur", "Teclado", "Пульт", "KBD"),
    "logon": ("Log On", "Anmelden", "Entrar", "Вход", "IN"),
    "logoff": ("Log Off", "Abmelden", "Salir", "Выход", "OUT"),
    "pattern": ("Pattern", "Muster", "Patrón", "Шаблон", "PAT"),
    "video": ("Video", "Video", "Vídeo", "Видео", "VID"),
    "loss": ("Loss", "Ausfall", "Pérdida", "Потеря", "LOSS"),
    "fast": ("Fast", "Schnell", "Rápida", "Быстрый", "快"),
    "slow": ("Slow", "Langsam", "Lenta", "Медленный", "SLOW"),
    "sequence": ("Sequence", "Sequenz", "Secuencia", "Цикл", "SEQ"),
    "entrances": ("Entrances", "Eingänge", "Entradas", "Входы", "入口"),
}
# The Korean lines (4 characters at most), replacing the last column above.
KO = {
    "cctv": "CCTV", "scripts": "스크립트", "select": "그룹", "group": "선택", "back": "<<뒤로",
    "main": "주메뉴", "camera": "카메라", "cameras": "카메라", "monitor": "모니터", "monitors": "모니터",
    "off": "끄기", "on": "켜기", "patrol": "순찰", "tours": "투어", "tour": "순찰", "alarms": "알람",
    "alarm": "알람", "handling": "처리", "presets": "프리셋", "preset": "프리셋", "home": "홈",
    "position": "위치", "lobby": "로비", "carpark": "주차장", "perimeter": "외곽", "night": "야간",
    "day": "주간", "mode": "모드", "recorders": "녹화기", "service": "유지보수", "quick": "빠른",
    "calls": "호출", "operator": "운영자", "tools": "도구", "engineer": "기술자", "setup": "설정",
    "entrance": "입구", "exit": "출구", "northgate": "북문", "westgate": "서문", "vault": "금고",
    "shop": "매장", "roof": "지붕", "fence": "울타리", "stairs": "계단", "lift": "승강기",
    "office": "사무실", "dock": "도크", "reception": "로비", "wall": "영상벽", "desk": "책상",
    "spot": "스팟", "guard": "경비", "stop": "정지", "all": "전체", "ack": "확인", "reset": "리셋",
    "show": "보기", "silence": "무음", "siren": "사이렌", "arm": "경계", "disarm": "해제", "zone": "구역",
    "history": "기록", "test": "시험", "lock": "잠금", "unlock": "열기", "doors": "출입문",
    "lights": "조명", "flood": "투광등", "record": "녹화", "playback": "재생", "last5": "최근5분",
    "search": "검색", "export": "내보내기", "clip": "클립", "wiper": "와이퍼", "washer": "세척",
    "lamp": "적외선", "heater": "히터", "focus": "초점", "iris": "조리개", "auto": "자동",
    "reboot": "재부팅", "sync": "동기화", "time": "시간", "to": ">", "take": "제어", "control": "가져오기",
    "release": "제어", "keyboard": "키보드", "logon": "로그인", "logoff": "로그아웃", "pattern": "패턴",
    "video": "영상", "loss": "손실", "fast": "빠른", "slow": "느린", "sequence": "순차",
    "entrances": "출입문",
}
T = {key: texts[:4] + (KO[key],) for key, texts in T.items()}
assert set(KO) == set(T)

# Menu names, shown in the editor's tree (desktop only, any length).
MENU_NAMES = {
    80: ("Main CCL Menu", "CCL-Hauptmenü", "Menú CCL principal", "Главное меню CCL", "메인 메뉴"),
    81: ("Quick Calls", "Schnellaufrufe", "Llamadas rápidas", "Быстрые вызовы", "빠른 호출"),
    82: ("Operator Tools", "Bedienerfunktionen", "Utilidades del operador", "Функции оператора", "운영자 도구"),
    83: ("Cameras", "Kameras", "Cámaras", "Камеры", "카메라"),
    84: ("Monitors", "Monitore", "Monitores", "Мониторы", "모니터"),
    85: ("Patrol Tours", "Rundgänge", "Rondas de patrulla", "Обходы", "순찰 투어"),
    86: ("Alarm Handling", "Alarmbehandlung", "Gestión de alarmas", "Обработка тревог", "알람 처리"),
    87: ("Camera Presets", "Kamera-Presets", "Presets de cámara", "Пресеты камер", "카메라 프리셋"),
    88: ("Lobby", "Foyer", "Vestíbulo", "Фойе", "로비"),
    89: ("Car Park", "Parkhaus", "Parking", "Парковка", "주차장"),
    90: ("Perimeter", "Gelände", "Perímetro", "Периметр", "외곽"),
    91: ("Night Mode", "Nachtmodus", "Modo noche", "Ночной режим", "야간 모드"),
    92: ("Day Mode", "Tagmodus", "Modo día", "Дневной режим", "주간 모드"),
    93: ("Recorders", "Rekorder", "Grabadores", "Запись", "녹화기"),
    94: ("Maintenance", "Wartung", "Mantenimiento", "Обслуживание", "유지보수"),
    95: ("Engineer", "Techniker", "Técnico", "Инженер", "기술자"),
}
SCRIPT_FOLDER = ("Script Menus", "Skriptmenüs", "Menús de guiones", "Меню сценариев", "스크립트 메뉴")

# Titles of the main menu's links, entries 3-14 link to menus 83-94.
MAIN_LINKS = {
    83: ("cameras", None), 84: ("monitors", None), 85: ("patrol", "tours"), 86: ("alarm", "handling"),
    87: ("camera", "presets"), 88: ("lobby", None), 89: ("carpark", None), 90: ("perimeter", None),
    91: ("night", "mode"), 92: ("day", "mode"), 93: ("recorders", None), 94: ("service", None),
}


def numbered(key, n):
    return ("num", key, n)


# Entries 2-14 of each sub menu: (line 1, line 2, action, number).
def sub_menus():
    cams = ["entrance", "exit", "lobby", "reception", "carpark", "northgate", "westgate", "vault", "shop",
            "stairs", "lift", "dock", "roof"]
    menus = {}
    menus[83] = [(numbered("camera", i + 1), cams[i], CAMERA, i + 1) for i in range(13)]
    monitor_places = [("wall", 1), ("wall", 2), ("wall", 3), ("wall", 4), ("desk", 1), ("desk", 2),
                      ("spot", None), ("guard", None)]
    mons = []
    for i, (place, n) in enumerate(monitor_places):
        line2 = numbered(place, n) if n else place
        mons.append((numbered("monitor", i + 1), line2, MONITOR, i + 1))
    for i in range(5):
        mons.append((numbered("monitor", i + 1), "off", OFF, i + 1))
    menus[84] = mons
    tours = [("perimeter", 1001), ("carpark", 1002), ("lobby", 1003), ("entrances", 1004), ("roof", 1005),
             ("fence", 1006), ("office", 1007)]
    t = [(numbered("tour", i + 1), place, CCL, num) for i, (place, num) in enumerate(tours)]
    t += [("night", "tour", CCL, 12001), ("day", "tour", CCL, 12002), ("fast", "tour", CCL, 1010),
          ("slow", "tour", CCL, 1011), ("sequence", "all", CCL, 1012), ("stop", "tours", CCL, 1099)]
    menus[85] = t
    menus[86] = [("ack", "alarm", CCL, 2001), ("ack", "all", CCL, 2002), ("reset", "alarm", CCL, 2003),
                 ("show", "alarm", CCL, 2004), ("silence", "siren", CCL, 2005),
                 ("arm", numbered("zone", 1), CCL, 2011), ("disarm", numbered("zone", 1), CCL, 2012),
                 ("arm", numbered("zone", 2), CCL, 2013), ("disarm", numbered("zone", 2), CCL, 2014),
                 ("arm", "all", CCL, 2015), ("disarm", "all", CCL, 2016), ("alarm", "history", CCL, 2020),
                 ("video", "loss", CCL, 2030)]
    menus[87] = [(numbered("preset", i + 1), None, CCL, 3001 + i) for i in range(12)] + [
        ("home", "position", CCL, 3000)]
    menus[88] = [(numbered("camera", 1), "entrance", CAMERA, 1), (numbered("camera", 3), "lobby", CAMERA, 3),
                 (numbered("camera", 4), "reception", CAMERA, 4), (numbered("monitor", 1), "lobby", MONITOR, 1),
                 ("lobby", "tour", CCL, 1003), ("lock", "doors", CCL, 4001), ("unlock", "doors", CCL, 4002),
                 ("lights", "on", CCL, 4003), ("lights", "off", CCL, 4004), ("camera", "lift", CAMERA, 11),
                 ("camera", "stairs", CAMERA, 10), ("preset", "home", CCL, 4010),
                 (numbered("monitor", 1), "off", OFF, 1)]
    menus[89] = [(numbered("camera", 5), "entrance", CAMERA, 5), (numbered("camera", 12), "dock", CAMERA, 12),
                 ("carpark", "tour", CCL, 1002), ("lights", "on", CCL, 4103), ("lights", "off", CCL, 4104),
                 ("lock", "exit", CCL, 4101), ("unlock", "exit", CCL, 4102),
                 (numbered("monitor", 2), "carpark", MONITOR, 2), ("arm", numbered("zone", 3), CCL, 2017),
                 ("disarm", numbered("zone", 3), CCL, 2018), ("show", "alarm", CCL, 2004),
                 ("record", "carpark", CCL, 6011), (numbered("monitor", 2), "off", OFF, 2)]
    menus[90] = [(numbered("camera", 6), "northgate", CAMERA, 6), (numbered("camera", 7), "westgate", CAMERA, 7),
                 (numbered("camera", 13), "roof", CAMERA, 13), ("perimeter", "tour", CCL, 1001),
                 ("fence", "tour", CCL, 1006), ("flood", "on", CCL, 4203), ("flood", "off", CCL, 4204),
                 ("arm", "fence", CCL, 2019), ("disarm", "fence", CCL, 2021),
                 (numbered("monitor", 3), "perimeter", MONITOR, 3), ("lock", "northgate", CCL, 4201),
                 ("unlock", "northgate", CCL, 4202), (numbered("monitor", 3), "off", OFF, 3)]
    menus[91] = [("night", "mode", CCL, 5001), ("lights", "off", CCL, 5002), ("record", "all", CCL, 5003),
                 ("guard", "tour", CCL, 12001), ("arm", "all", CCL, 2015), ("lock", "doors", CCL, 5004),
                 ("flood", "on", CCL, 4203), ("lamp", "on", CCL, 7003),
                 (numbered("monitor", 1), "off", OFF, 1), (numbered("monitor", 2), "off", OFF, 2),
                 ("camera", "vault", CAMERA, 8), ("monitor", "guard", MONITOR, 8), ("show", "alarm", CCL, 2004)]
    menus[92] = [("day", "mode", CCL, 5101), ("lights", "on", CCL, 5102), ("disarm", "all", CCL, 2016),
                 ("unlock", "doors", CCL, 5104), ("flood", "off", CCL, 4204), ("lamp", "off", CCL, 7004),
                 ("day", "tour", CCL, 12002), ("camera", "shop", CAMERA, 9),
                 (numbered("monitor", 1), "lobby", MONITOR, 1), (numbered("monitor", 2), "carpark", MONITOR, 2),
                 ("record", "alarm", CCL, 5105), ("sequence", "all", CCL, 1012), ("home", "position", CCL, 3000)]
    menus[93] = [("record", "all", CCL, 6001), ("stop", "record", CCL, 6002), ("playback", "last5", CCL, 6003),
                 ("search", "alarm", CCL, 6004), ("export", "clip", CCL, 6005), ("playback", "camera", CCL, 6006),
                 ("playback", "stop", CCL, 6007), ("record", "camera", CCL, 6008), ("sync", "time", CCL, 6009),
                 ("record", "lobby", CCL, 6010), ("record", "carpark", CCL, 6011),
                 ("record", "perimeter", CCL, 6012), ("playback", "monitor", CCL, 6013)]
    menus[94] = [("wiper", "on", CCL, 7001), ("washer", "on", CCL, 7002), ("lamp", "on", CCL, 7003),
                 ("lamp", "off", CCL, 7004), ("heater", "on", CCL, 7005), ("heater", "off", CCL, 7006),
                 ("focus", "auto", CCL, 7007), ("iris", "auto", CCL, 7008), ("reboot", "camera", CCL, 7009),
                 ("test", "pattern", CCL, 7010), ("sync", "time", CCL, 7011), ("test", "alarm", CCL, 7012),
                 ("test", "siren", CCL, 7013)]
    menus[81] = [(numbered("camera", 1), (("to",), ("monitor",), 1), CCL, 8001),
                 (numbered("camera", 2), (("to",), ("monitor",), 1), CCL, 8002),
                 (numbered("camera", 3), (("to",), ("monitor",), 2), CCL, 8003),
                 (numbered("camera", 8), (("to",), ("monitor",), 2), CCL, 8004),
                 ("alarm", (("to",), ("monitor",), 3), CCL, 8005), ("entrance", "camera", CAMERA, 1),
                 ("exit", "camera", CAMERA, 2), ("vault", "camera", CAMERA, 8), ("guard", "monitor", MONITOR, 8),
                 ("spot", "monitor", MONITOR, 7), ("ack", "alarm", CCL, 2001), ("sequence", "all", CCL, 1012),
                 ("stop", "tours", CCL, 1099)]
    menus[82] = [("lock", "keyboard", CCL, 8101), ("logon", None, CCL, 8102), ("logoff", None, CCL, 8103),
                 ("take", "control", CCL, 8104), ("release", "control", CCL, 8105), ("sequence", "all", CCL, 1012),
                 ("stop", "sequence", CCL, 8106), ("preset", "home", CCL, 3000), ("alarm", "history", CCL, 2020),
                 ("playback", "last5", CCL, 6003), ("export", "clip", CCL, 6005),
                 (numbered("monitor", 4), "off", OFF, 4), (numbered("monitor", 5), "off", OFF, 5)]
    menus[95] = [("setup", "camera", CCL, 9001), ("setup", "monitor", CCL, 9002), ("setup", "alarm", CCL, 9003),
                 ("test", "pattern", CCL, 9004), ("test", "video", CCL, 9005), ("reboot", "camera", CCL, 9006),
                 ("reboot", "recorders", CCL, 9007), ("sync", "time", CCL, 9008), ("focus", "auto", CCL, 7007),
                 ("iris", "auto", CCL, 7008), ("test", "siren", CCL, 7013), ("reset", "all", CCL, 9009),
                 ("setup", "keyboard", CCL, 19999)]
    return menus


def render(item, lang_index):
    """The text of one line item in one language."""
    if item is None:
        return ""
    if isinstance(item, str):
        return T[item][lang_index]
    if item[0] == "num":
        _, key, n = item
        word = T[key][lang_index]
        return f"{word}{n}" if lang_index == 4 and len(word) + len(str(n)) <= 4 else (
            str(n) if lang_index == 4 else f"{word} {n}")
    # A phrase: words then a number ("to Monitor 1").
    words = [T[k[0]][lang_index] for k in item[:-1]]
    n = item[-1]
    if lang_index == 4:
        return f"{words[0]}{words[1]}{n}"[:4] if len(f"{words[0]}{words[1]}{n}") <= 4 else f">M{n}"
    text = " ".join(words) + f" {n}"
    if len(text) > 10:
        text = words[0] + " " + words[1][:3] + f" {n}"
    return text


def load_font_characters():
    path = os.path.join(ROOT, "src", "core", "model", "font_tables_generated.cpp")
    source = open(path, encoding="utf-8").read()
    fonts = {}
    for m in re.finditer(r"kFont(\d)Codes\[\d+\] = \{(.*?)\};", source, re.S):
        body = re.sub(r"//[^\n]*", "", m.group(2))
        codes = [int(x, 16) for x in re.findall(r"0x([0-9A-Fa-f]+)", body)]
        fonts[int(m.group(1))] = {chr(c) for c in codes if c != 0xFFFF}
    return fonts


def quote(text):
    return '"' + text.replace('"', '""') + '"'


def action_fields(action, number):
    if action == LINK:
        return ACTION_KIND_LINK, number, None
    if action == CCL:
        return ACTION_KIND_MACRO, ((number // 10000) << 8) | MACRO_TYPE[CCL], number % 10000
    return ACTION_KIND_MACRO, (number << 8) | MACRO_TYPE[action], None


def build(fonts):
    menus = sub_menus()
    out = ["// Standard language tables: English, German and Spanish (font 1),",
           "// Russian (font 2) and Korean (font 5), with script menus 80-95 for a",
           "// CCTV control room: cameras, monitors, patrol tours and alarm handling.",
           "// Generated by tools/gen_standard_template.py.",
           "//",
           "// Menu record: menu, entry, number, label, byte 30, action kind,",
           "// value A, value B, line 1, line 2, line 3.",
           ""]
    for li, (key, name, font, winlang, langid) in enumerate(LANGUAGES):
        width = 4 if font == 5 else 10
        chars = fonts[font]

        def check(text, limit, where):
            if len(text) > limit:
                raise SystemExit(f"{key} {where}: {text!r} is longer than {limit}")
            bad = [c for c in text if c not in chars]
            if bad:
                raise SystemExit(f"{key} {where}: {text!r} has characters font {font} lacks: {bad}")

        check(name, 8 if font == 5 else 20, "name")
        out += [f"// ---- {LANGUAGES[li][1]} ----", "START_TABLE_DATA_CODE",
                f"1, {quote(name)}, {font}, {winlang}, {langid}", "",
                "START_METADATA_LABELS_DATA_CODE",
                f"0, {quote(LANGUAGES[li][1])}",
                f"10, {quote(SCRIPT_FOLDER[li])}", "",
                "START_SOFTKEY_MENU_NAME_DATA_CODE"]
        for m in range(80, 96):
            out.append(f"{m}, {quote(MENU_NAMES[m][li])}")
        out += ["", "START_SOFTKEY_MENU_DATA_CODE"]

        def entry(menu, n, line1, line2, action, number, label=""):
            check(line1, width, f"menu {menu} entry {n}")
            check(line2, width, f"menu {menu} entry {n}")
            if action is None:
                kind, a, b = 0, 0, None
            else:
                kind, a, b = action_fields(action, number)
            b_text = "" if b is None else str(b)
            # Macros show their type in the low byte of value A: written in hexadecimal.
            a_text = f'"${a:04X}"' if kind == ACTION_KIND_MACRO else str(a)
            out.append(f"{menu}, {n}, 0, {quote(label) if label else ''}, 0, {kind}, {a_text}, {b_text}, "
                       f"{quote(line1)}, {quote(line2)}, \"\"")

        entry(MAIN_MENU, 1, T["cctv"][li], T["scripts"][li], None, 0)
        entry(MAIN_MENU, 2, T["select"][li], T["group"][li], None, 0)
        for n in range(3, ENTRIES + 1):
            target = MAIN_MENU + n
            k1, k2 = MAIN_LINKS[target]
            entry(MAIN_MENU, n, T[k1][li], T[k2][li] if k2 else "", LINK, target)
        for menu in range(81, 96):
            entry(menu, 1, T["back"][li], T["main"][li], LINK, MAIN_MENU)
            rows = menus[menu]
            assert len(rows) == ENTRIES - 1, menu
            for n, (l1, l2, action, number) in enumerate(rows, start=2):
                entry(menu, n, render(l1, li), render(l2, li), action, number)
        out.append("")
    out += ["ENDFILE_DATA_CODE", ""]
    return out


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "data", "templates", "Standard.LT3")
    lines = build(load_font_characters())
    text = "".join(line + "\r\n" for line in lines)
    with open(target, "wb") as f:
        f.write(b"\xff\xfe" + text.encode("utf-16-le"))


if __name__ == "__main__":
    main()
