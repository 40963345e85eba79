"""Sample videos for the end-to-end scenarios and the demo: titles over and under 48 bytes, one
whose 48th byte would be the first byte of a Chinese character, an empty description."""

from e2e_uploader import video

ASCII_47 = "Episode 12 - The Great Wall at sunrise in 4K --"
assert len(ASCII_47) == 47


def sample_videos():
    return [
        # 30 Chinese characters, 60 bytes: cut after the 24th character, 48 bytes.
        video("春游记录01.mp4", "春天的旅行日记：我们一起去看海，然后在海边吃了很多好吃的东西", "旅行 海边 春天",
              "这是一段关于春天旅行的视频，欢迎观看。", "原创", "35.2 MB"),
        # 47 ASCII bytes, then Chinese: the 48th byte would be a lead byte, so 47 bytes.
        video("great_wall_4k.mp4", ASCII_47 + "长城日出航拍", "长城 航拍 4K", "Drone footage 航拍长城。", "音乐",
              "812.0 MB"),
        # 27 bytes: kept whole; the description is empty.
        video("小猫与雪.mp4", "小猫第一次见到雪 cat & snow", "猫 雪", "", "娱乐", "8.4 MB"),
        video("cooking_02.mp4", "How to cook a very simple dinner in ten minutes flat, part two", "cooking food",
              "A short cooking video.", "生活", "12.8 MB"),
        video("美食晚餐.mp4", "美食：十分钟做一顿简单的晚餐", "美食 晚餐", "简单好做。", "教育", "20.5 MB"),
    ]
